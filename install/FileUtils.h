#pragma once
// File, folder and process operations of the installation. Each says how it reports
// failure: a result, a raised error, or silence.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// True when the path names an existing folder; a trailing backslash is allowed.
bool FolderExists(const std::wstring& path);
// True when the path names an existing file.
bool FileExists(const std::wstring& path);
// Creates the last level of the path only; true when it was created.
bool CreateFolder(const std::wstring& path);
// Creates every missing level; true when the folder exists afterwards. An empty
// path raises an error.
bool ForceFolders(const std::wstring& path);

// Appends folder + name for each subfolder of `folder` (which ends with a
// backslash) that is neither hidden nor system nor named "WithOutAnswer"; in the
// order the system lists them. A missing folder adds nothing.
void ListSubfolders(const std::wstring& folder, std::vector<std::wstring>& list);

// Copies the file and gives the copy the source's last-write time at two-second
// resolution. Raises when the source cannot be opened or the target created;
// false when copying the data or the time failed (the partial target stays).
bool CopyFileKeepDate(const std::wstring& source, const std::wstring& target);

// Copies the file as CopyFileKeepDate does, first under the name target + ".tmp",
// flushed to the disk, then renamed to `target`, which is never replaced. So the
// target is either the whole copy or absent. Raises as CopyFileKeepDate; false, with
// the system's last error, when any later step failed, and then no temporary file
// is left.
bool CopyFileIntoPlace(const std::wstring& source, const std::wstring& target);

// A file that a tree copy skipped: its target path and the system's error code.
using TSkippedFile = std::function<void(const std::wstring& target, unsigned long error)>;

// Copies the plain files of `source`, then its subfolders, depth first, into
// `target`. What cannot be copied is skipped and told to `skipped`. Hidden and
// system subfolders, and folders that are links, are not entered.
void CopyFolderTree(const std::wstring& source, const std::wstring& target, const TSkippedFile& skipped = {});
// The target path of every file that CopyFolderTree would copy.
std::vector<std::wstring> FolderTreeTargets(const std::wstring& source, const std::wstring& target);

// Removes the folder with everything in it, hidden and read-only files included;
// links inside are removed, not followed. Nothing when there is no such folder.
// Raises, naming the file or folder, when something cannot be removed.
void RemoveFolderTree(const std::wstring& path);

// True when another program holds the file open so that it cannot be written.
bool FileInUse(const std::wstring& path);

// The folder with its subfolders copied by the shell, with its own progress window and
// questions; true when the shell reports success.
bool ShellCopyFolder(const std::wstring& source, const std::wstring& target);

// The command line RunAndWait starts: the program path (in double quotes when it
// holds a blank and is not quoted yet), one space, the arguments as given.
std::wstring RunAndWaitCommandLine(const std::wstring& program, const std::wstring& arguments);
// Starts the program in its own folder and waits for it, polling every 100 ms;
// returns its exit code. A failed start, a command line over 511 characters or a
// failed wait raises.
uint32_t RunAndWait(const std::wstring& program, const std::wstring& arguments, uint16_t showWindow);
// Starts the program through the shell, so that Windows can ask for elevation when
// the program's manifest wants it, in the current folder, and waits for it to end.
// 0 once it has run, else the system's error for a start that failed (a missing
// file, elevation declined); its exit code is not read.
unsigned long RunThroughShell(const std::wstring& program, int showWindow);

// Sets or clears the read-only attribute, every other attribute kept. Silent.
void SetReadOnly(const std::wstring& path, bool readOnly);
