#pragma once

#include <functional>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/install_operations.h"
#include "platform/autostart.h"
#include "platform/reboot.h"

namespace skarvel::test {

// Every installation operation, succeeding unless its name is in `failing`, with each call
// recorded as "Name(arguments)".
class RecordingOperations final : public InstallOperations {
 public:
  bool FetchFile(const std::string& remote, const std::string&, const TfTP&,
                 const std::string& name, ProgressBar) override {
    return Call("FetchFile(" + remote + "," + name + ")", "FetchFile:" + remote);
  }
  bool DownloadFolder(const std::string& remote, const std::string&, const TfTP&,
                      ProgressBar) override {
    return Call("DownloadFolder(" + remote + ")", "DownloadFolder:" + remote);
  }
  std::string TranslateServerAlias(const std::string& location, const std::string&) override {
    calls.push_back("TranslateServerAlias(" + location + ")");
    return location;
  }
  bool GenerateTemplates(const cust_post&, const std::string&, const TfTP&) override {
    return Call("GenerateTemplates()");
  }
  bool KillProcess(const std::string& name) override { return Call("KillProcess(" + name + ")"); }
  bool UnzipPackage(const std::string& archive, const std::string&, const std::string&) override {
    return Call("UnzipPackage(" + archive + ")", "UnzipPackage:" + archive);
  }
  void RegisterComponent(const std::string& parameters) override {
    calls.push_back("RegisterComponent(" + parameters + ")");
  }
  bool PrepareFolder(const std::string& folder, bool) override {
    return Call("PrepareFolder(" + folder + ")");
  }
  bool MayEmptyTillFolder(const std::string& folder, const std::string&) override {
    return Call("MayEmptyTillFolder(" + folder + ")");
  }
  bool RemoveVirtualizedSettings() override { return Call("RemoveVirtualizedSettings()"); }
  bool CopyFolderFiles(const std::string& from, const std::string& to) override {
    return Call("CopyFolderFiles(" + from + "," + to + ")");
  }
  bool FolderExists(const std::string& folder) override {
    return Call("FolderExists(" + folder + ")");
  }
  bool FileExists(const std::string& file) override { return Call("FileExists(" + file + ")"); }
  bool RenameFile(const std::string& from, const std::string& to) override {
    return Call("RenameFile(" + from + "," + to + ")");
  }
  bool CopyFile(const std::string& from, const std::string& to) override {
    return Call("CopyFile(" + from + "," + to + ")");
  }
  bool AddTextPrinter(const std::string& name, const std::string& port, const std::string&,
                      const std::string& comment) override {
    return Call("AddTextPrinter(" + name + "," + port + "," + comment + ")");
  }
  bool InstallFirebird(const std::string& version, const std::string&) override {
    return Call("InstallFirebird(" + version + ")");
  }
  bool WriteDefaultTillSettings(const std::string&) override {
    return Call("WriteDefaultTillSettings()");
  }
  bool WriteCustomerTillSettings(const std::string&, const cust_post&) override {
    return Call("WriteCustomerTillSettings()");
  }
  bool ConnectDatabases() override { return Call("ConnectDatabases()"); }
  void DisconnectDatabases() override {
    calls.push_back("DisconnectDatabases()");
    if (on_call) on_call(calls.back());
  }
  bool RegisterTill(int till, const std::string& key) override {
    return Call("RegisterTill(" + std::to_string(till) + "," + key + ")");
  }
  bool CopyReferenceData(int till) override {
    return Call("CopyReferenceData(" + std::to_string(till) + ")");
  }
  bool SyncClosingNumber(int till) override {
    return Call("SyncClosingNumber(" + std::to_string(till) + ")");
  }
  bool CreateShortcuts(const std::string& target, const std::string& name) override {
    return Call("CreateShortcuts(" + target + "," + name + ")");
  }

  bool EndAwaitsAcknowledgement(const std::string&, const std::string& key) override {
    return end_awaits.count(key) != 0;
  }
  void NoteEndAwaitsAcknowledgement(const std::string&, const std::string& key,
                                    bool awaits) override {
    calls.push_back("NoteEndAwaitsAcknowledgement(" + key + "," + (awaits ? "yes" : "no") + ")");
    awaits ? void(end_awaits.insert(key)) : void(end_awaits.erase(key));
  }
  void KeepWarnings(const std::string& key, const std::vector<std::string>& warnings) override {
    kept_warnings[key] = warnings;
  }
  std::vector<std::string> KeptWarnings(const std::string& key) override {
    return kept_warnings[key];
  }
  OperationFailure TakeFailure() override { return {std::exchange(failure, ""), ""}; }
  void RememberFailure(const std::string& key, int status,
                       const OperationFailure& failure) override {
    kept[key + "/" + std::to_string(status)] = failure;
  }
  OperationFailure RecallFailure(const std::string& key, int status) override {
    const auto found = kept.find(key + "/" + std::to_string(status));
    return found == kept.end() ? OperationFailure{} : found->second;
  }

  // The calls whose text starts with prefix.
  std::vector<std::string> CallsOf(const std::string& prefix) const {
    std::vector<std::string> found;
    for (const std::string& call : calls) {
      if (call.rfind(prefix, 0) == 0) found.push_back(call);
    }
    return found;
  }

  std::vector<std::string> calls;
  // The record keys whose end awaits the service's acknowledgement.
  std::set<std::string> end_awaits;
  // Names ("ConnectDatabases") or name:argument keys ("DownloadFolder:zip") that fail.
  std::set<std::string> failing;
  // Told of each call that can fail, and of the databases' disconnection, as it is made.
  std::function<void(const std::string& call)> on_call;
  // What TakeFailure gives once a call failed.
  std::string failure;
  // The warnings kept for a later run, by record key.
  std::map<std::string, std::vector<std::string>> kept_warnings;
  // The failures kept for a later run, by record key and status.
  std::map<std::string, OperationFailure> kept;

 private:
  bool Call(const std::string& call, const std::string& key = "") {
    calls.push_back(call);
    if (on_call) on_call(call);
    const std::string name = call.substr(0, call.find('('));
    const bool succeeded = failing.count(name) == 0 && (key.empty() || failing.count(key) == 0);
    if (!succeeded && failure.empty()) failure = "the test made " + name + " fail";
    return succeeded;
  }
};

class RecordingAutostart final : public Autostart {
 public:
  std::string WriteEntry(const std::string& name,
                         const std::vector<std::string>& arguments) override {
    std::string command_line;
    for (const std::string& argument : arguments) {
      command_line += (command_line.empty() ? "" : " ") + argument;
    }
    if (refusal.empty()) written.push_back(name + "=" + command_line);
    return refusal;
  }
  void RemoveEntry(const std::string& name) override { removed.push_back(name); }
  std::vector<std::string> written;
  std::vector<std::string> removed;
  std::string refusal;  // why no entry can be written; empty: entries are written
};

class RecordingReboot final : public RebootAction {
 public:
  bool Reboot() override {
    ++requests;
    return accept;
  }
  std::string LastRefusal() const override { return accept ? "" : "Access denied"; }
  int requests = 0;
  bool accept = true;
};

}  // namespace skarvel::test
