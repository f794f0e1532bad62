// The window framework in one include: what pages, dialogs and the
// application are written against.
#pragma once

#include "platform/ui/CDialog.h"
#include "platform/ui/CProgressCtrl.h"
#include "platform/ui/CPropertyPage.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Font.h"
#include "platform/ui/MessageMap.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Messages.h"
#include "platform/ui/ResourceRegistry.h"
