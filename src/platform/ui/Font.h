// Fonts as descriptions. A font handle names a description kept by the model;
// renderers pick a real face from it. Handles are never reused.
#pragma once

#include "platform/Types.h"

using HFONT = struct HFONT__*;
using LONG = std::int32_t;

constexpr LONG FW_NORMAL = 400;
constexpr LONG FW_BOLD = 700;
constexpr int LF_FACESIZE = 32;

// A font description. A negative height is the character height in pixels
// (without internal leading); the dialog font of 8 points is -11 at 96 DPI.
struct LOGFONT {
    LONG lfHeight = 0;
    LONG lfWidth = 0;
    LONG lfWeight = FW_NORMAL;
    unsigned char lfItalic = 0;
    char lfFaceName[LF_FACESIZE] = {};
};

// Creates a font from `lf`; nullptr for a null description.
HFONT CreateFontIndirect(const LOGFONT* lf);
// Copies the description of a live font; FALSE for a deleted or null handle.
BOOL GetFontDescription(HFONT hFont, LOGFONT* lf);
// Ends a font's life; later look-ups of the handle fail.
BOOL DeleteFont(HFONT hFont);

// The pixel height of `pointSize` points at 96 DPI, as a negative lfHeight.
LONG PointSizeToHeight(int pointSize);

// Owns at most one font handle and deletes it when destroyed.
class CFont {
  public:
    CFont() = default;
    CFont(const CFont&) = delete;
    CFont& operator=(const CFont&) = delete;
    ~CFont();

    // Creates a font from `lf` and owns it; FALSE when one is already owned.
    BOOL CreateFontIndirect(const LOGFONT* lf);
    // Takes ownership of `hFont`; FALSE for a null handle or when one is already owned.
    BOOL Attach(HFONT hFont);
    // Gives up ownership without deleting; returns the handle.
    HFONT Detach();
    BOOL DeleteObject();
    // Copies the description; 0 when there is no live font, else sizeof(LOGFONT).
    int GetLogFont(LOGFONT* lf) const;
    HFONT GetSafeHandle() const { return m_hFont; }
    operator HFONT() const { return m_hFont; }  // NOLINT: framework style

    // A wrapper that does not own `hFont`, valid while the font lives;
    // nullptr for a dead or null handle.
    static CFont* FromHandle(HFONT hFont);

  private:
    HFONT m_hFont = nullptr;
    bool m_owns = true;
};
