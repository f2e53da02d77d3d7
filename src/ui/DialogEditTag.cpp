#include "ui/DialogEditTag.h"

// after windows.h
#include <commctrl.h>

#include "res/resource.h"
#include "tags/Id3v1.h"

namespace tessary {
namespace {

constexpr int kWidth = 460;
constexpr int kFirstRow = 44;
constexpr int kRowHeight = 30;

}  // namespace

CDialogEditTag::CDialogEditTag(TagEditor& editor, Prompter& prompter)
    : CColorDlg(IDD_EDIT_TAG), editor_(editor), prompter_(prompter) {}

// In the order of TagField.
const std::array<CDialogEditTag::FieldControls, kTagFieldCount>& CDialogEditTag::fieldControls() {
    static const std::array<FieldControls, kTagFieldCount> controls = {{
        {IDC_TAG_CHECK_ARTIST, IDC_TAG_ARTIST, IDC_TAG_RESULT_ARTIST},
        {IDC_TAG_CHECK_TITLE, IDC_TAG_TITLE, IDC_TAG_RESULT_TITLE},
        {IDC_TAG_CHECK_ALBUM, IDC_TAG_ALBUM, IDC_TAG_RESULT_ALBUM},
        {IDC_TAG_CHECK_YEAR, IDC_TAG_YEAR, IDC_TAG_RESULT_YEAR},
        {IDC_TAG_CHECK_TRACK, IDC_TAG_TRACK, IDC_TAG_RESULT_TRACK},
        {IDC_TAG_CHECK_GENRE, IDC_TAG_GENRE, IDC_TAG_RESULT_GENRE},
        {IDC_TAG_CHECK_COMMENT, IDC_TAG_COMMENT, IDC_TAG_RESULT_COMMENT},
    }};
    return controls;
}

void CDialogEditTag::layOut() {
    MoveWindow(item(IDC_TAG_FILE_COUNT), 20, 14, kWidth - 40, 18, FALSE);
    for (std::size_t i = 0; i < kTagFieldCount; ++i) {
        const FieldControls& f = fieldControls()[i];
        const int y = kFirstRow + static_cast<int>(i) * kRowHeight;
        MoveWindow(item(f.check), 20, y + 2, 80, 18, FALSE);
        const bool track = f.input == IDC_TAG_TRACK;
        // The genre list drops down below its box.
        const int height = f.input == IDC_TAG_GENRE ? 240 : 22;
        MoveWindow(item(f.input), 104, y, track ? 70 : 230, height, FALSE);
        MoveWindow(item(f.result), 344, y + 3, kWidth - 344 - 10, 18, FALSE);
    }
    // The up-down control sits at the right of its field.
    SendMessageW(item(IDC_TAG_TRACK_SPIN), UDM_SETBUDDY,
                 reinterpret_cast<WPARAM>(item(IDC_TAG_TRACK)), 0);
    const int buttons = kFirstRow + static_cast<int>(kTagFieldCount) * kRowHeight + 8;
    MoveWindow(item(IDC_TAG_WRITE), kWidth / 2 - 80 - 12, buttons, 80, 25, FALSE);
    MoveWindow(item(IDOK), kWidth / 2 + 12, buttons, 80, 25, FALSE);
    setClientSizeCentered(kWidth, buttons + 25 + 16);
}

BOOL CDialogEditTag::onInitDialog() {
    CColorDlg::onInitDialog();
    SetWindowTextW(hwnd(), reinterpret_cast<const wchar_t*>(kBulkEditCaption));
    write_.attachDialogButton(item(IDC_TAG_WRITE));
    back_.attachDialogButton(item(IDOK));
    layOut();
    SendMessageW(item(IDC_TAG_TRACK_SPIN), UDM_SETRANGE32, kTrackMin, kTrackMax);
    HWND genres = item(IDC_TAG_GENRE);
    for (std::u16string_view genre : genreTexts()) {
        const std::u16string text(genre);
        SendMessageW(genres, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wideChars(text)));
    }
    onCommand(IDC_TAG_WRITE, [this] { onWrite(); });
    onCommandNotify(IDC_TAG_TRACK, [this](UINT code) {
        if (code == EN_KILLFOCUS) onTrackLeft();
    });

    const TagEditorOpening opening = editor_.open();
    for (std::size_t i = 0; i < kTagFieldCount; ++i) {
        CheckDlgButton(hwnd(), fieldControls()[i].check,
                       opening.checked[i] ? BST_CHECKED : BST_UNCHECKED);
    }
    SetDlgItemTextW(hwnd(), IDC_TAG_FILE_COUNT, wideChars(opening.fileCountText));
    const TagEditorFields& f = opening.fields;
    SetDlgItemTextW(hwnd(), IDC_TAG_ARTIST, wideChars(f.artist));
    SetDlgItemTextW(hwnd(), IDC_TAG_TITLE, wideChars(f.title));
    SetDlgItemTextW(hwnd(), IDC_TAG_ALBUM, wideChars(f.album));
    SetDlgItemTextW(hwnd(), IDC_TAG_YEAR, wideChars(f.year));
    SetDlgItemTextW(hwnd(), IDC_TAG_TRACK, wideChars(f.track));
    SetDlgItemTextW(hwnd(), IDC_TAG_COMMENT, wideChars(f.comment));
    SendMessageW(genres, CB_SETCURSEL, static_cast<WPARAM>(f.genreIndex), 0);
    EnableWindow(item(IDC_TAG_WRITE), opening.writeEnabled ? TRUE : FALSE);
    for (const std::u16string& message : opening.messages) prompter_.showMessage(message);
    return TRUE;
}

TagFieldFlags CDialogEditTag::checkedFields() const {
    TagFieldFlags flags{};
    for (std::size_t i = 0; i < kTagFieldCount; ++i) {
        flags[i] = IsDlgButtonChecked(hwnd(), fieldControls()[i].check) == BST_CHECKED;
    }
    return flags;
}

TagEditorFields CDialogEditTag::inputs() const {
    TagEditorFields f;
    f.artist = itemText(IDC_TAG_ARTIST);
    f.title = itemText(IDC_TAG_TITLE);
    f.album = itemText(IDC_TAG_ALBUM);
    f.year = itemText(IDC_TAG_YEAR);
    f.track = itemText(IDC_TAG_TRACK);
    f.comment = itemText(IDC_TAG_COMMENT);
    f.genreIndex = static_cast<int>(SendMessageW(item(IDC_TAG_GENRE), CB_GETCURSEL, 0, 0));
    return f;
}

void CDialogEditTag::onTrackLeft() {
    const std::optional<std::u16string> message = checkTrackField(itemText(IDC_TAG_TRACK));
    if (!message) return;
    prompter_.showMessage(*message);
    SetDlgItemTextW(hwnd(), IDC_TAG_TRACK, reinterpret_cast<const wchar_t*>(kTrackFallback));
    // Posted: the focus is still moving while the field hears that it leaves.
    PostMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(IDC_TAG_TRACK)), TRUE);
}

void CDialogEditTag::onWrite() {
    const TagWriteResult result = editor_.write(checkedFields(), inputs());
    if (result.resultLabels) {
        for (std::size_t i = 0; i < kTagFieldCount; ++i) {
            SetDlgItemTextW(hwnd(), fieldControls()[i].result,
                            wideChars((*result.resultLabels)[i]));
        }
    }
    for (const std::u16string& message : result.messages) prompter_.showMessage(message);
}

}  // namespace tessary
