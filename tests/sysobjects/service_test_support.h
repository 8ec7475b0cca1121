// Services and service keys made for one test in the prefix's service control
// manager and registry, each under a name of its own and removed again
// afterwards; and the history file's lines as the tests read them.
#pragma once

#include <windows.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/fixed_text.h"
#include "base/processes.h"
#include "base/registry.h"
#include "support/registry_fixture.h"
#include "shell/history.h"
#include "shell/list_store.h"
#include "support/test_files.h"
#include "support/window_driver.h"
#include "sysobjects/service_rows.h"

namespace servicetest {

inline constexpr const char* kServicesKey = "SYSTEM\\CurrentControlSet\\Services";

// A key name no other test (of this run or a parallel one) uses.
inline std::string UniqueKeyName(std::string_view tag) {
    static int counter = 0;
    return "SxTest" + std::string(tag) + "_" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(++counter);
}

inline std::string IdleServicePath() { return driver::ToolPath("idle_service"); }

struct ServiceSpec {
    std::string tag;
    std::string displayName;  // empty: the key name
    std::string binaryPath;   // empty: the idle service
    DWORD type = SERVICE_WIN32_OWN_PROCESS;
    DWORD start = SERVICE_DEMAND_START;
    std::string description;  // set through the service control manager when not empty
};

// A service registered with the service control manager for the test; stopped
// (or its process ended) and deleted at the end.
class ScratchService {
public:
    explicit ScratchService(const ServiceSpec& spec) : keyName_(UniqueKeyName(spec.tag)) {
        manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
        if (!manager_) return;
        displayName_ = spec.displayName.empty() ? keyName_ : spec.displayName;
        const std::string binary = spec.binaryPath.empty() ? IdleServicePath() : spec.binaryPath;
        service_ = CreateServiceA(manager_, keyName_.c_str(), displayName_.c_str(), SERVICE_ALL_ACCESS, spec.type,
                                  spec.start, SERVICE_ERROR_IGNORE, binary.c_str(), nullptr, nullptr, nullptr, nullptr,
                                  nullptr);
        if (service_ && !spec.description.empty()) {
            SERVICE_DESCRIPTIONA description{const_cast<char*>(spec.description.c_str())};
            ChangeServiceConfig2A(service_, SERVICE_CONFIG_DESCRIPTION, &description);
        }
    }
    ~ScratchService() {
        if (service_) {
            SERVICE_STATUS status{};
            if (State() != SERVICE_STOPPED) {
                // One that refuses the stop is ended with its process at once.
                if (!ControlService(service_, SERVICE_CONTROL_STOP, &status) || !WaitForState(SERVICE_STOPPED, 5000))
                    EndProcess();
            }
            DeleteService(service_);
            CloseServiceHandle(service_);
        }
        if (manager_) CloseServiceHandle(manager_);
        testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, std::string(kServicesKey) + "\\" + keyName_);
    }
    ScratchService(const ScratchService&) = delete;
    ScratchService& operator=(const ScratchService&) = delete;

    bool created() const { return service_ != nullptr; }
    const std::string& keyName() const { return keyName_; }
    const std::string& displayName() const { return displayName_; }
    std::string KeyPath() const { return std::string(kServicesKey) + "\\" + keyName_; }

    // Starts the service and waits until it reports running.
    bool Start() {
        return service_ && StartServiceA(service_, 0, nullptr) && WaitForState(SERVICE_RUNNING, 15000);
    }
    DWORD State() const {
        SERVICE_STATUS_PROCESS status{};
        DWORD needed = 0;
        if (!QueryServiceStatusEx(service_, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status), sizeof(status),
                                  &needed))
            return 0;
        return status.dwCurrentState;
    }
    bool WaitForState(DWORD state, DWORD timeoutMs) {
        return driver::WaitUntil([&] { return State() == state; }, timeoutMs);
    }
    // The start type as the service control manager has it; -1 when unreadable.
    long StartType() const {
        std::vector<DWORD> buffer(8192 / sizeof(DWORD));
        DWORD needed = 0;
        auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
        if (!QueryServiceConfigA(service_, config, DWORD(buffer.size() * sizeof(DWORD)), &needed)) return -1;
        return long(config->dwStartType);
    }
    // Removes the service now (it is stopped), as another program might.
    void Delete() {
        if (!service_) return;
        DeleteService(service_);
        CloseServiceHandle(service_);
        service_ = nullptr;
    }

private:
    // A service that will not stop is ended with its process.
    void EndProcess() {
        SERVICE_STATUS_PROCESS status{};
        DWORD needed = 0;
        if (!QueryServiceStatusEx(service_, SC_STATUS_PROCESS_INFO, reinterpret_cast<BYTE*>(&status), sizeof(status),
                                  &needed) ||
            status.dwProcessId == 0)
            return;
        if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, status.dwProcessId)) {
            TerminateProcess(process, 1);
            WaitForSingleObject(process, 5000);
            CloseHandle(process);
        }
        WaitForState(SERVICE_STOPPED, 5000);
    }

    std::string keyName_, displayName_;
    SC_HANDLE manager_ = nullptr;
    SC_HANDLE service_ = nullptr;
};

// A service key written straight into the registry, which the running service
// control manager does not know: the scan reads it all the same. Deleted at the end.
class ScratchServiceKey {
public:
    explicit ScratchServiceKey(std::string_view tag) : keyName_(UniqueKeyName(tag)) {
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, Path().c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr);
    }
    ~ScratchServiceKey() {
        if (key_) RegCloseKey(key_);
        testsupport::DeleteRegTree(HKEY_LOCAL_MACHINE, Path());
    }
    ScratchServiceKey(const ScratchServiceKey&) = delete;
    ScratchServiceKey& operator=(const ScratchServiceKey&) = delete;

    bool created() const { return key_ != nullptr; }
    const std::string& keyName() const { return keyName_; }
    std::string Path() const { return std::string(kServicesKey) + "\\" + keyName_; }

    void SetText(const char* name, const std::string& text, DWORD type = REG_SZ) const {
        RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1));
    }
    void SetNumber(const char* name, DWORD value) const {
        RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
    }

private:
    std::string keyName_;
    HKEY key_ = nullptr;
};

// Writes a value of a key below the services key (Parameters\ServiceDll and the like).
inline bool WriteServiceValue(const std::string& subkey, const char* name, const std::string& text,
                              DWORD type = REG_SZ) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, subkey.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return false;
    bool ok = RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(text.c_str()), DWORD(text.size() + 1)) ==
              ERROR_SUCCESS;
    RegCloseKey(key);
    return ok;
}

// The row of the shared store's last service scan that has this key name; -1 when none.
inline int RowOfService(const std::string& keyName) {
    ServiceKeyName name;
    for (int row = 0; row < ListStoreCount(); ++row)
        if (ServiceKeyNameOfRow(row, name) && name.view() == keyName) return row;
    return -1;
}

inline bool SamePath(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, a.c_str(), -1, b.c_str(), -1) == CSTR_EQUAL;
}

struct HistoryLine {
    std::string event, type, title, command, detail;
};

// The history file of the test program, removed at the start and at the end,
// with the option History on.
class HistoryFile {
public:
    HistoryFile() {
        FixedText<MAX_PATH> path;
        HistoryFilePath(path);
        path_ = path.c_str();
        DeleteFileA(path_.c_str());
        option_.Set("1");
    }
    ~HistoryFile() { DeleteFileA(path_.c_str()); }
    HistoryFile(const HistoryFile&) = delete;
    HistoryFile& operator=(const HistoryFile&) = delete;

    const std::string& path() const { return path_; }
    std::vector<HistoryLine> Lines() const {
        std::vector<HistoryLine> lines;
        const std::string text = ReadWholeFile(path_);
        for (size_t start = 0; start < text.size();) {
            size_t end = text.find("\r\n", start);
            if (end == std::string::npos) end = text.size();
            const std::string line = text.substr(start, end - start);
            std::vector<std::string> fields;
            size_t from = 0;
            for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
                fields.push_back(line.substr(from, tab - from));
            fields.push_back(line.substr(from));
            fields.resize(6);
            lines.push_back({fields[1], fields[2], fields[3], fields[4], fields[5]});
            start = end + 2;
        }
        return lines;
    }

private:
    std::string path_;
    testsupport::RegistryGuard option_{HKEY_CURRENT_USER, kOptionsKey, "History"};
};

// Two copies of the idle program, in the folders "first" and "second" under a
// scratch folder of the test's own, started as the test needs them; every
// started copy is ended with the object.
class IdleProgramCopies {
public:
    explicit IdleProgramCopies(const char* root) : root_(root) {
        const std::string tool = driver::ToolPath("idle_program");
        for (const char* sub : {"first", "second"}) {
            const std::string folder = root_ / sub;
            CreateDirectoryA(folder.c_str(), nullptr);
            copied_ = CopyFileA(tool.c_str(), (folder + "\\idle_program.exe").c_str(), FALSE) && copied_;
        }
    }
    ~IdleProgramCopies() {
        for (auto& process : processes_) process.Kill();
    }
    IdleProgramCopies(const IdleProgramCopies&) = delete;
    IdleProgramCopies& operator=(const IdleProgramCopies&) = delete;

    bool copied() const { return copied_; }
    std::string Copy(const char* sub) const { return root_ / sub + "\\idle_program.exe"; }
    // Starts a copy and waits until the process walk reads its file.
    driver::Process& Start(const std::string& path) {
        processes_.push_back(driver::Process::Start(path, "60"));
        EXPECT_TRUE(processes_.back().started()) << path;
        const DWORD id = processes_.back().id();
        driver::WaitUntil([&] {
            bool seen = false;
            EnumRunningProcesses([&](DWORD pid, WORD, const char* file) {
                if (pid == id) seen = *file != '\0';
                return pid != id;
            });
            return seen;
        }, 5000);
        return processes_.back();
    }

private:
    ScratchFolder root_;
    bool copied_ = true;
    std::deque<driver::Process> processes_;  // references to its elements stay valid
};

}  // namespace servicetest
