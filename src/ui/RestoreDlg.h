// CRestoreDlg (132, "还原操作记录"): the records of one operation record file, checked against
// the disk, and "还原", which renames the checked files back to the names they had when they
// were added to the list. It works on the files of the record only, not on the main list.
//
//   CRestoreDlg dialog(path, fileSystem);
//   dialog.doModal(mainWindow);
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "commands/RestoreRows.h"
#include "disk/FileSystem.h"
#include "model/SortRows.h"
#include "platform/win32/Win32Collator.h"
#include "ui/DialogBase.h"
#include "ui/Prompter.h"

namespace tessary {

class CRestoreDlg : public DialogBase {
  public:
    // Without a prompter the dialog's messages are platform message boxes it owns itself.
    // Without a journal path its batch is not journaled.
    CRestoreDlg(std::u16string recordFile, FileSystem& fileSystem, std::u16string journalPath = {},
                Prompter* prompter = nullptr);
    ~CRestoreDlg() override;

    const std::vector<RestoreRow>& rows() const { return rows_; }

  protected:
    BOOL onInitDialog() override;
    std::optional<LRESULT> onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void layOut();
    void showRows();
    // The check boxes as the user left them, into rows_.
    void readChecks();
    void onRestore();
    void onColumnClick(int column);

    std::u16string recordFile_;
    FileSystem& fileSystem_;
    std::u16string journalPath_;
    std::unique_ptr<Prompter> ownPrompter_;
    Prompter* prompter_;
    std::vector<RestoreRow> rows_;
    SortOrder sortOrder_;
    Win32Collator collator_;
    HWND statusBar_ = nullptr;
};

}  // namespace tessary
