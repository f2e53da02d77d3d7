#pragma once
// The program's own window messages, all from one block above WM_APP, so that no two share a
// number whichever window they are sent to.

#include <windows.h>

namespace tessary {

inline constexpr UINT kFirstOwnMessage = WM_APP + 0x100;

// To the main window.
// Sent by a feed worker; wParam the batch index of the first queued file, lParam its
// AddFileKind. The window builds the rows of the files queued from there up to queuedEnd and
// returns how many it built (fewer after a stop).
inline constexpr UINT WM_ADDFILE = kFirstOwnMessage + 0;
// Posted by a feed worker after each group; lParam an event the window sets once its thread
// has nothing else to do (progress steps, a Stop press, painting), so that the next group waits
// for them rather than the other way round.
inline constexpr UINT WM_ADDFILE_PAUSE = kFirstOwnMessage + 1;
// Posted to itself after a header drag, once the list has taken the new column order.
inline constexpr UINT kKeepHiddenColumnsLast = kFirstOwnMessage + 2;
// Posted once the window is open: offers to put back the files of an unfinished batch.
inline constexpr UINT kOfferRecovery = kFirstOwnMessage + 3;

// To the progress windows of a drop and of a pick; lParam an AddProgressStep.
inline constexpr UINT WM_ADDPROGRESS_DROP = kFirstOwnMessage + 4;
inline constexpr UINT WM_ADDPROGRESS_PICK = kFirstOwnMessage + 5;

// Posted by the worker of a long batch of renames to its progress window once it has ended.
inline constexpr UINT WM_RENAME_BATCH_ENDED = kFirstOwnMessage + 6;

}  // namespace tessary
