// Message maps: tables, declared next to a class, that route a message or a
// control notification to a member function. A class lists only its own
// entries; a look-up that finds nothing there goes on in its base class's map.
//
//   class CWizDownload : public CPropertyPage {
//       ...
//       void OnDownload();
//       DECLARE_MESSAGE_MAP()
//   };
//   BEGIN_MESSAGE_MAP(CWizDownload, CPropertyPage)
//       ON_BN_CLICKED(IDC_DOWNLOAD, &CWizDownload::OnDownload)
//   END_MESSAGE_MAP()
#pragma once

#include <type_traits>

#include "platform/Types.h"
#include "platform/ui/Messages.h"

class CCmdTarget;

namespace ui {

using CommandHandler = void (CCmdTarget::*)();
using MessageHandler = LRESULT (CCmdTarget::*)(WPARAM, LPARAM);

// One row: a command (WM_COMMAND with a notification code and an identifier)
// or any other message. A row with message 0 ends the table.
struct MessageMapEntry {
    UINT message = 0;
    UINT code = 0;
    UINT id = 0;
    CommandHandler onCommand = nullptr;
    MessageHandler onMessage = nullptr;
};

struct MessageMap {
    const MessageMap* (*base)();  // nullptr at the root
    const MessageMapEntry* entries;
};

template <class T>
MessageMapEntry CommandEntry(UINT code, UINT id, void (T::*handler)()) {
    return {WM_COMMAND, code, id, static_cast<CommandHandler>(handler), nullptr};
}

template <class T>
MessageMapEntry MessageEntry(UINT message, LRESULT (T::*handler)(WPARAM, LPARAM)) {
    return {message, 0, 0, nullptr, static_cast<MessageHandler>(handler)};
}

}  // namespace ui

// The root of every message map: anything that can take commands.
class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;

    // Runs the handler of command `nID` with notification `nCode` from this
    // object's map chain; TRUE when there was one.
    virtual BOOL OnCmdMsg(UINT nID, UINT nCode);
    // TRUE when this object's map chain has a handler for the command.
    BOOL HasCommandHandler(UINT nID, UINT nCode) const;

    static const ui::MessageMap* GetThisMessageMap();
    virtual const ui::MessageMap* GetMessageMap() const;

  protected:
    // The first row for `message` (and, for WM_COMMAND, `code` and `id`) in
    // the map chain, most derived class first; nullptr when there is none.
    const ui::MessageMapEntry* FindMessageEntry(UINT message, UINT code, UINT id) const;
};

#define DECLARE_MESSAGE_MAP()                             \
  public:                                                 \
    static const ui::MessageMap* GetThisMessageMap();     \
    const ui::MessageMap* GetMessageMap() const override; \
                                                          \
  private:

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                     \
    const ui::MessageMap* theClass::GetMessageMap() const {        \
        return GetThisMessageMap();                                \
    }                                                              \
    const ui::MessageMap* theClass::GetThisMessageMap() {          \
        using ThisClass = theClass;                                \
        using TheBaseClass = baseClass;                            \
        static_assert(std::is_base_of_v<TheBaseClass, ThisClass>); \
        static const ui::MessageMapEntry entries[] = {
#define ON_COMMAND(id, handler) ui::CommandEntry(0, static_cast<UINT>(id), handler),
#define ON_BN_CLICKED(id, handler) ui::CommandEntry(BN_CLICKED, static_cast<UINT>(id), handler),
#define ON_EN_CHANGE(id, handler) ui::CommandEntry(EN_CHANGE, static_cast<UINT>(id), handler),
#define ON_MESSAGE(message, handler) ui::MessageEntry(message, handler),

#define END_MESSAGE_MAP()                                                       \
    ui::MessageMapEntry {}                                                      \
    }                                                                           \
    ;                                                                           \
    static const ui::MessageMap map{&TheBaseClass::GetThisMessageMap, entries}; \
    return &map;                                                                \
    }
