#pragma once
// Runs parental-host.exe as a user runs it and collects what it prints (Windows only).
#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <string>

struct HostRun {
  DWORD status = ~0u;
  std::string output;
  std::size_t Count(const std::string& text) const {
    std::size_t n = 0;
    for (std::size_t at = output.find(text); at != std::string::npos; at = output.find(text, at + 1)) ++n;
    return n;
  }
};

inline HostRun RunHost(const std::wstring& program, const std::wstring& arguments) {
  HostRun run;
  SECURITY_ATTRIBUTES inherit{sizeof(inherit), nullptr, TRUE};
  HANDLE read = nullptr, write = nullptr;
  if (!CreatePipe(&read, &write, &inherit, 0)) return run;
  SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = startup.hStdError = write;
  std::wstring command = L"\"" + program + L"\" " + arguments;
  PROCESS_INFORMATION process{};
  BOOL started = CreateProcessW(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                                &startup, &process);
  CloseHandle(write);
  char buffer[4096];
  DWORD got = 0;
  while (started && ReadFile(read, buffer, sizeof(buffer), &got, nullptr) && got) run.output.append(buffer, got);
  CloseHandle(read);
  if (!started) return run;
  WaitForSingleObject(process.hProcess, INFINITE);
  GetExitCodeProcess(process.hProcess, &run.status);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  return run;
}

// Writes text to a file of that name in the temporary folder; its path.
inline std::wstring WriteTemp(const wchar_t* name, const std::string& text) {
  wchar_t directory[MAX_PATH];
  GetTempPathW(MAX_PATH, directory);
  std::wstring path = std::wstring(directory) + name;
  std::ofstream(path.c_str(), std::ios::binary) << text;
  return path;
}

// The registry mirror the host keeps, below the local machine's root.
inline constexpr wchar_t kMirror[] = L"Software\\Corvid";

// Tests that start and end with no registry mirror.
class MirrorTest : public ::testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMirror); }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, kMirror); }
};
