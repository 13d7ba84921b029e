#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/wininet.h"

namespace skarvel {

enum class TWinInetState {
  Disconnecting = 0,
  NotConnected = 1,
  Connecting = 2,
  Connected = 3,
  Resolving = 4,
  Resolved = 5,
};

enum class TResolveNames { rnLocal, rnPreConfig, rnProxy };

// pattern with its first "%s" replaced by first and its second by second.
std::string FormatText(const char* pattern, const std::string& first,
                       const std::string& second = "");

class EWinInetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The base of the FTP client: owns the Internet handle, tracks the connection state from the
// status notifications, applies the connect time-out and retries, and turns error codes into
// messages. With SilentExceptions on (the default) a failure only returns false.
class TWinInetControl {
 public:
  explicit TWinInetControl(std::string agent);
  virtual ~TWinInetControl();
  TWinInetControl(const TWinInetControl&) = delete;
  TWinInetControl& operator=(const TWinInetControl&) = delete;

  std::string HostName;
  std::string UserName;
  std::string Password;
  std::uint16_t Port = 0;
  TResolveNames ResolveNames = TResolveNames::rnLocal;
  std::string ProxyName;
  std::vector<std::string> ProxyBypassList;
  // The authorities that vouch for an encrypted server's certificate (a PEM file); empty: the
  // system's store.
  std::string CaFile;
  bool SilentExceptions = true;
  bool QuickProgress = false;
  // The per-file progress bar (position, maximum) and the status bar text.
  std::function<void(int position, int maximum)> QuickProgressMinor;
  std::function<void(const std::string& text)> QuickStatus;
  std::function<void(TWinInetControl& sender)> OnConnected;
  std::function<void(TWinInetControl& sender, TWinInetState state)> OnStateChange;
  std::function<void(TWinInetControl& sender)> OnDisconnected;

  void SetEnableCache(bool enable);
  bool EnableCache() const { return (transfer_flags_ & kReload) == 0; }
  // 0 stores 300000.
  void SetConnectTimeout(unsigned long milliseconds);
  unsigned long ConnectTimeout() const;
  void SetConnectRetries(unsigned long retries);
  unsigned long ConnectRetries() const;
  // How long the server may send nothing, on the control or the data connection, before the
  // operation fails with WinINet's time-out (12002). 0 stores the default, 60000.
  void SetReceiveTimeout(unsigned long milliseconds);
  unsigned long ReceiveTimeout() const;

  TWinInetState State() const { return state_; }
  // "Connected to %s" and the others, with HostName.
  std::string StateText(TWinInetState state) const;

  // Opens and configures the Internet handle; true only when already connected.
  virtual bool Connect();
  virtual bool Disconnect();
  // Back to NotConnected; with SilentExceptions off, raises EWinInetError with the code's text.
  virtual void HandleError(unsigned long code);
  // The server's last response, or "No error description available". Both it and the two
  // below outlive the Internet handle, so a failed connect can still say why.
  std::string LastResponseText() const;
  // Why the last call failed, in words (for the log): the server's refusal, a refused
  // connection, a time-out; empty when nothing failed.
  std::string LastErrorText() const;
  // The WinINet or system code of the last call's failure; 0 after a success.
  unsigned long LastError() const;
  // The last call's failure as the person is told it; kNone after a success.
  NetworkCause LastErrorCause() const;

 protected:
  static constexpr unsigned long kReload = 0x80000000;

  virtual void StatusNotification(unsigned long code, unsigned long information);
  // False when the state was already that.
  bool SetState(TWinInetState state);
  wininet::InternetHandle* InternetHandle() { return internet_.get(); }
  // Keeps what the handle knew of the last call's failure.
  void CloseInternetHandle();

  unsigned long connect_flags_ = 0;
  unsigned long transfer_flags_ = kReload;
  bool destroying_ = false;

 private:
  int AccessType() const;

  std::string agent_;
  std::unique_ptr<wininet::InternetHandle> internet_;
  TWinInetState state_ = TWinInetState::NotConnected;
  unsigned long connect_timeout_ = 300'000;
  unsigned long receive_timeout_ = 60'000;
  unsigned long connect_retries_ = 3;
  unsigned long closed_error_ = 0;
  NetworkCause closed_cause_ = NetworkCause::kNone;
  std::string closed_response_;
  std::string closed_error_text_;
};

}  // namespace skarvel
