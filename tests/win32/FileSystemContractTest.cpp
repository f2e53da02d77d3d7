// The Win32 file system on real files in a temporary folder, against the same contract as the
// in-memory one, plus what only the Win32 side has: the error mapping and the \\?\ paths.

#include <gtest/gtest.h>

#include "win32/Win32World.h"

namespace tessary::contract {
namespace {

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, FileSystemContract, ::testing::Types<Win32World>);

TEST(Win32FileSystem, ErrorsMapAsTheCLibraryRenameDoes) {
    struct Case {
        DWORD error;
        RenameOutcome outcome;
    };
    const Case cases[] = {
        {ERROR_FILE_NOT_FOUND, RenameOutcome::SourceMissing},
        {ERROR_PATH_NOT_FOUND, RenameOutcome::SourceMissing},
        {ERROR_INVALID_DRIVE, RenameOutcome::SourceMissing},
        {ERROR_BAD_PATHNAME, RenameOutcome::SourceMissing},
        {ERROR_FILENAME_EXCED_RANGE, RenameOutcome::SourceMissing},
        {ERROR_FILE_EXISTS, RenameOutcome::TargetExists},
        {ERROR_ALREADY_EXISTS, RenameOutcome::TargetExists},
        {ERROR_ACCESS_DENIED, RenameOutcome::AccessDenied},
        {ERROR_SHARING_VIOLATION, RenameOutcome::AccessDenied},
        {ERROR_LOCK_VIOLATION, RenameOutcome::AccessDenied},
        {ERROR_WRITE_PROTECT, RenameOutcome::AccessDenied},
        {ERROR_NOT_READY, RenameOutcome::AccessDenied},
        {ERROR_DRIVE_LOCKED, RenameOutcome::AccessDenied},
        {ERROR_READ_FAULT, RenameOutcome::AccessDenied},
        {ERROR_WRITE_FAULT, RenameOutcome::AccessDenied},
        {ERROR_CURRENT_DIRECTORY, RenameOutcome::AccessDenied},
        {ERROR_INVALID_NAME, RenameOutcome::OtherFailure},
        {ERROR_NOT_SAME_DEVICE, RenameOutcome::OtherFailure},
        {ERROR_DISK_FULL, RenameOutcome::OtherFailure},
        {ERROR_INVALID_PARAMETER, RenameOutcome::OtherFailure},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(renameOutcomeOfError(c.error), c.outcome) << "error " << c.error;
    }
}

TEST(Win32FileSystem, AbsolutePathsTakeTheirLongFormOthersStayAsTheyAre) {
    struct Case {
        const char16_t* given;
        const char16_t* expected;
    };
    const Case cases[] = {
        {u"C:\\d\\a.txt", u"\\\\?\\C:\\d\\a.txt"},
        {u"C:\\d\\.\\sub\\..\\a.txt", u"\\\\?\\C:\\d\\a.txt"},
        {u"C:/d/a.txt", u"\\\\?\\C:\\d\\a.txt"},
        {u"C:\\d\\a.txt. ", u"\\\\?\\C:\\d\\a.txt"},
        {u"\\\\server\\share\\a.txt", u"\\\\?\\UNC\\server\\share\\a.txt"},
        {u"\\\\?\\C:\\d\\a.txt", u"\\\\?\\C:\\d\\a.txt"},
        {u"relative\\a.txt", u"relative\\a.txt"},
        {u"", u""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(extendedLengthPath(c.given), c.expected);
    }
}

}  // namespace
}  // namespace tessary::contract
