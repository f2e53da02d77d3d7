#pragma once
// The six rule pages of the main window on their tab control: which controls each page shows,
// their first values, the enabling that follows the Insert page's check boxes and the Advanced
// page's modes, the naming template's controls, the checks of the name fields, and the
// options as the controls hold them. The window's layout places the controls.
//
// The form holds only the Basic page: the other parts are created the first time a page shows
// them, so that the window opens without creating a hundred controls it may never show.

#include <windows.h>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "rules/PageOptions.h"
#include "ui/ColorStatic.h"
#include "ui/MainLayout.h"
#include "ui/MyEdit.h"
#include "ui/MyTabCtrl.h"

namespace tessary {

inline constexpr COLORREF kMainBackground = 0xD6D6D9;

// The edits whose text becomes part of a name, with the characters each refuses; empty for any
// other control.
std::u16string_view forbiddenCharactersOf(int controlId);
// The first forbidden character found, looking for them in their listed order; 0 for none.
char16_t findForbiddenCharacter(std::u16string_view text, std::u16string_view forbidden);

class RulePages {
  public:
    RulePages() = default;
    RulePages(const RulePages&) = delete;
    RulePages& operator=(const RulePages&) = delete;

    // Takes over the pages' controls of the window's form and fills in the six tabs.
    void attach(HWND window);
    // The first values of every page, the first page shown.
    void setDefaults();

    // The parts of the pages, each created once, on first use.
    enum class Part { Basic, Insert, OperationObject, Delete, Replace, Advanced, Mp3 };
    static constexpr std::size_t kPartCount = static_cast<std::size_t>(Part::Mp3) + 1;
    bool made(Part part) const { return made_[static_cast<std::size_t>(part)]; }

    int selectedPage() const { return selected_; }
    // The page the tab control has chosen, shown; the others hidden. Returns the control that
    // takes the focus on that page, or 0.
    int showChosenPage();
    // The Replace page's panel follows its mode radios.
    void followReplaceMode();
    void applyAdvancedMode(int mode);
    // The sequence placeholder "/N" goes into the text to insert, or out of it.
    void insertSequenceToggled();
    void insertIntoNameToggled();
    void clearInsertText();
    void focusNewName() const;
    void focusNewExtension() const;

    // The naming template: a chosen entry, a token button, the clear button.
    void templateChosen();
    void appendTemplateToken(int buttonId);
    void clearTemplate();

    // True when the field holds a character a name cannot hold.
    bool holdsForbiddenCharacter(int fieldId) const;
    void clearField(int fieldId);

    // The Mp3 page's "Show Tag" box, which says whether the tag columns are shown.
    bool tagBoxChecked() const;
    void setTagBoxChecked(bool on);

    // The options of a part not made yet are its first values.
    PageOptions readOptions() const;

  private:
    void make(Part part);
    void makePartsOf(int page);
    // Gives a control of the pages its own class, if it has one.
    void adopt(HWND control, int id);
    void setFirstValues(Part part);
    void readInsert(InsertOptions& o) const;
    void readDelete(DeleteOptions& o) const;
    void readReplace(ReplaceOptions& o) const;
    void readAdvanced(AdvancedOptions& o) const;
    void readMp3(Mp3Options& o) const;
    void showGroup(PageGroup group, bool show) const;
    void showReplacePage(bool show) const;
    HWND item(int id) const { return GetDlgItem(window_, id); }
    // A drop-down list's entries, none chosen.
    void fillList(int id, std::initializer_list<const wchar_t*> entries) const;
    bool checked(int id) const;
    void enable(int id, bool on) const;
    std::u16string text(int id) const;
    void setText(int id, std::u16string_view text);

    HWND window_ = nullptr;
    int selected_ = PageBasic;
    std::array<bool, kPartCount> made_{};
    CMyTabCtrl tabs_;
    std::array<CColorStatic, 11> groups_;
    std::array<CMyEdit, 7> edits_;
};

}  // namespace tessary
