// CDialogEditTag (138, "Bulk Edit MP3 ID3V1 Tag"): one set of ID3v1 fields for the files of a
// bulk edit. A check box per field says which fields "&Write Tag" writes into every file; the
// result labels say what the last write changed. "&Back" closes it.
#pragma once

#include <array>

#include "tags/TagBulkEdit.h"
#include "ui/ColorButton.h"
#include "ui/ColorDlg.h"
#include "ui/Prompter.h"

namespace tessary {

class CDialogEditTag : public CColorDlg {
  public:
    CDialogEditTag(TagEditor& editor, Prompter& prompter);

  protected:
    BOOL onInitDialog() override;

  private:
    struct FieldControls {
        int check;
        int input;
        int result;
    };
    static const std::array<FieldControls, kTagFieldCount>& fieldControls();

    void layOut();
    void onTrackLeft();
    void onWrite();
    TagFieldFlags checkedFields() const;
    TagEditorFields inputs() const;

    TagEditor& editor_;
    Prompter& prompter_;
    CColorButton write_;
    CColorButton back_;
};

}  // namespace tessary
