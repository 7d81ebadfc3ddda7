#include "install/InstallSequence.h"

#include <windows.h>

#include <vector>

#include "common/RK_Common_Proc.h"
#include "common/Strings.h"
#include "install/CreateNSI.h"
#include "install/FileUtils.h"
#include "install/ReleaseInfo.h"
#include "ui/Exception.h"
#include "winint/FontSize.h"
#include "winint/RestartManager.h"
#include "winint/Shortcut.h"

namespace {

const std::vector<const wchar_t*> kServerFilesWindows7 = {
    L"aliases.conf", L"firebird.conf", L"fbclient.Dll", L"ib_util.Dll",  L"icudt30.Dll", L"icuin30.Dll",
    L"icuuc30.Dll",  L"msvcp80.Dll",   L"msvcr80.Dll",  L"firebird.msg", L"gbak.exe",    L"gds32.dll"};
const std::vector<const wchar_t*> kServerFilesWindowsXP = {
    L"aliases.conf", L"firebird.conf", L"fbclient.Dll", L"ib_util.Dll", L"icudt30.Dll",
    L"icuin30.Dll",  L"icuuc30.Dll",   L"msvcp71.Dll",  L"msvcr71.Dll", L"firebird.msg"};
const std::vector<const wchar_t*> kCharacterSets = {L"fbintl.conf", L"fbintl.dll"};
const std::vector<const wchar_t*> kServerFunctions = {L"fbudf.dll", L"ib_udf.dll", L"fbudf.sql", L"ib_udf.sql",
                                                      L"ib_udf2.sql"};
const std::vector<const wchar_t*> kProductFunctions = {L"udf1.dll", L"udf2.dll", L"udf3.dll", L"udf4.dll"};

const wchar_t kDone[] = L"Завершено";
const wchar_t kFailed[] = L"ОШИБКА!!!";

// The close lock and the wait cursor from step 5 to step 15, released on every way
// out, also when an error is raised.
class TBusyScope {
public:
    explicit TBusyScope(TInstallWindow& window) : window_(window) { window_.SetBusy(true); }
    ~TBusyScope() { window_.SetBusy(false); }
    TBusyScope(const TBusyScope&) = delete;
    TBusyScope& operator=(const TBusyScope&) = delete;

private:
    TInstallWindow& window_;
};

class TInstallation {
public:
    TInstallation(TInstallWindow& window, std::wstring source, bool geliant)
        : w_(window), S(std::move(source)), geliant_(geliant) {}

    void Run() {
        ShowProgress();
        if (!CreateTargetFolder()) return;
        WriteProductSettings(T);
        if (!CopyFiles()) return;
        InstallFontsIgnoringErrors();
        InstallDriver();
        CopyBackupReleases();
        CopyUpdater();
        InstallNewestRelease(T);
        CreateDesktopLink();
        w_.EnableExit();
        Finish();
    }

private:
    // Step 1: the target folder from the path field, the progress page.
    void ShowProgress() {
        T = Trim(w_.TargetPathText());
        w_.ShowProgressPage();
        w_.ProcessMessages();
    }

    // Step 3.
    bool CreateTargetFolder() {
        if (FolderExists(T)) return true;
        if (!CreateFolder(T)) {
            Fail(L"Ошибка при создании каталога!");
            return false;
        }
        w_.AddLogLine(L"Каталог создан...");
        w_.ProcessMessages();
        return true;
    }

    // Steps 5 to 15: the copies, under the close lock.
    bool CopyFiles() {
        TBusyScope busy(w_);
        if (!NoFileInUse()) return false;
        SeedSettingsFiles();
        if (!CreateDatabaseFolder()) return false;
        if (!CopyDatabase()) return false;
        if (!Copy(ServerFiles(), S + L"Firebird\\", T, true)) return false;
        if (!FolderExists(T + L"intl\\")) CreateFolder(T + L"intl\\");
        if (!Copy(kCharacterSets, S + L"Firebird\\" + L"intl\\", T + L"intl\\", true)) return false;
        if (!FolderExists(T + L"udf\\")) CreateFolder(T + L"udf\\");
        if (!Copy(kServerFunctions, S + L"Firebird\\" + L"udf\\", T + L"udf\\", true)) return false;
        Copy(kProductFunctions, S + L"UDF\\", T + L"udf\\", false);
        WriteLastNumFile(T);
        if (geliant_) WriteEditionSettings(T);
        return true;
    }

    const std::vector<const wchar_t*>& ServerFiles() {
        return w_.ServerListIndex() == 0 ? kServerFilesWindows7 : kServerFilesWindowsXP;
    }

    // Before anything is copied: a file that the run would replace while the suite or
    // its database server has it open would leave old and new server files mixed.
    bool NoFileInUse() {
        std::vector<std::wstring> replaced;
        auto add = [&](const std::vector<const wchar_t*>& names, const std::wstring& folder) {
            for (const wchar_t* name : names) replaced.push_back(folder + name);
        };
        add(ServerFiles(), T);
        add(kCharacterSets, T + L"intl\\");
        add(kServerFunctions, T + L"udf\\");
        add(kProductFunctions, T + L"udf\\");
        for (std::wstring& file : FolderTreeTargets(S + L"Updater", T)) replaced.push_back(std::move(file));
        for (const std::wstring& file : replaced) {
            if (!FileInUse(file)) continue;
            std::wstring programs;
            for (const std::wstring& name : ProgramsUsingFile(file)) programs += (programs.empty() ? L"" : L", ") + name;
            Fail(L"Файл " + file + L" занят другой программой" + (programs.empty() ? L"" : L" (" + programs + L")") +
                 L". Закройте её и запустите установку снова.");
            return false;
        }
        return true;
    }

    // Step 6.
    void SeedSettingsFiles() {
        w_.ProcessMessages();
        int line = w_.AddLogLine(L"Создание настроечных файлов....");
        w_.ProcessMessages();
        SeedReferenceLists(T + L"Settings\\");
        w_.SetLogLine(line, w_.LogLine(line) + kDone);
    }

    // Step 7.
    bool CreateDatabaseFolder() {
        if (FolderExists(T + L"DTAfb\\")) return true;
        if (!CreateFolder(T + L"DTAfb\\")) {
            Fail(L"Ошибка при создании каталога <DTAfb>!");
            return false;
        }
        w_.AddLogLine(L"Каталог <DTAfb> создан...");
        w_.ProcessMessages();
        return true;
    }

    // Step 8. The clinic's database is never replaced; a new one arrives whole or
    // not at all.
    bool CopyDatabase() {
        std::wstring folder = T + L"DTAfb\\";
        // What a run cut short (a power cut mid-copy) left behind is no database.
        DeleteFileW((folder + L"RKDB.FDB.tmp").c_str());
        if (FileExists(folder + L"RKDB.FDB")) {
            w_.AddLogLine(L"Файл RKDB.FDB уже есть, оставлен без изменений");
            w_.ProcessMessages();
            return true;
        }
        return CopyStep(L"RKDB.FDB", S + L"DTAfb\\", folder, CopyFileIntoPlace);
    }

    // The copy step for each name; a false result marks the line and either stops
    // the list or goes on with the next name.
    bool Copy(const std::vector<const wchar_t*>& names, const std::wstring& from, const std::wstring& to,
              bool stopOnFailure) {
        for (const wchar_t* name : names)
            if (!CopyStep(name, from, to, CopyFileKeepDate) && stopOnFailure) return false;
        return true;
    }

    bool CopyStep(const std::wstring& name, const std::wstring& from, const std::wstring& to,
                  bool (*copy)(const std::wstring&, const std::wstring&)) {
        int line = w_.AddLogLine(L"Копирование файла " + name + L"....");
        w_.ProcessMessages();
        bool copied = copy(from + name, to + name);
        w_.SetLogLine(line, w_.LogLine(line) + (copied ? kDone : kFailed));
        return copied;
    }

    // Step 16: a font that cannot be installed does not stop the installation.
    void InstallFontsIgnoringErrors() {
        try {
            w_.InstallFonts();
        } catch (const ui::Exception&) {
        }
    }

    // Step 17.
    void InstallDriver() {
        if (!w_.DriverChecked() || !w_.Confirm(L"Подключите интерфейсный блок и нажмите \"Yes\"?")) return;
        if (FolderExists(S + L"FTDIDriverInstall")) {
            // The medium's driver package replaces the installed one as a whole: the
            // driver installer installs every package it finds beside it, so nothing
            // of an older version may stay, and the shell asks nothing.
            RemoveFolderTree(T + L"FTDIDriverInstall");
            ShellCopyFolder(S + L"FTDIDriverInstall", T + L"FTDIDriverInstall");
        }
        w_.AddLogLine(L"Началась установка драйверов устройства...");
        w_.RepaintLog();
        // The recorder's driver installer asks for administrator rights in its
        // manifest: only the shell's start lets Windows ask the user for them.
        if (unsigned long error = RunThroughShell(T + L"FTDIDriverInstall\\FTDIDriverInstall.exe", SW_HIDE))
            w_.AddLogLine(L"Установщик драйверов устройства не запущен: " + ui::SystemErrorMessage(error));
        else
            w_.AddLogLine(L"Установка драйверов устройства завершена");
    }

    // Step 18.
    void CopyBackupReleases() {
        if (!FolderExists(T + L"Backup\\")) CreateFolder(T + L"backup\\");
        CopyFolderTree(S + L"backup", T + L"backup", LogSkippedFile());
    }

    // Step 19: the updater's files go into the target folder itself.
    void CopyUpdater() {
        CopyFolderTree(S + L"Updater", T, LogSkippedFile());
        SetReadOnly(T + L"ReleaseInfo", false);
        SetReadOnly(T + L"Updater.exe.cfg", false);
    }

    // A release copied with a file missing (a scratched medium) is seen in the log
    // before its script runs.
    TSkippedFile LogSkippedFile() {
        return [this](const std::wstring& file, unsigned long error) {
            w_.AddLogLine(L"Файл " + file + L" не скопирован: " + ui::SystemErrorMessage(error));
        };
    }

    // Step 21.
    void CreateDesktopLink() {
        HINSTANCE self = GetModuleHandleW(nullptr);
        std::wstring title = GetResourceString(self, 1);
        std::wstring linkPath;
        CreateShortcut(T + GetResourceString(self, 4), ShortcutLocation::Desktop, L"", L"", L"",
                       GetResourceString(self, 2) + L" \"" + title + L"\"", title, linkPath);
    }

    // Step 23.
    void Finish() {
        if (IsSmallFonts()) {
            w_.ShowChangeFontSizePage();
            return;
        }
        if (w_.Confirm(L"Установка завершена. Выйти из программы установки?")) w_.CloseWindow();
    }

    void Fail(const std::wstring& message) {
        w_.ShowError(message);
        w_.AddLogLine(message);
    }

    TInstallWindow& w_;
    std::wstring T;
    const std::wstring S;
    bool geliant_;
};

}  // namespace

void RunInstallation(TInstallWindow& window, const std::wstring& sourceFolder, bool geliantEdition) {
    TInstallation(window, sourceFolder, geliantEdition).Run();
}
