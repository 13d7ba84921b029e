#include "service/win_inet_control.h"

namespace skarvel {
namespace {

constexpr unsigned long kDefaultTimeout = 300'000;
constexpr unsigned long kDefaultReceiveTimeout = 60'000;

}  // namespace

std::string FormatText(const char* pattern, const std::string& first, const std::string& second) {
  std::string text = pattern;
  const std::size_t at = text.find("%s");
  if (at != std::string::npos) text.replace(at, 2, first);
  const std::size_t next = text.find("%s", at == std::string::npos ? 0 : at + first.size());
  if (next != std::string::npos) text.replace(next, 2, second);
  return text;
}

TWinInetControl::TWinInetControl(std::string agent) : agent_(std::move(agent)) {}

TWinInetControl::~TWinInetControl() {
  destroying_ = true;
  TWinInetControl::Disconnect();
}

void TWinInetControl::SetEnableCache(bool enable) {
  transfer_flags_ = enable ? transfer_flags_ & ~kReload : transfer_flags_ | kReload;
}

void TWinInetControl::SetConnectTimeout(unsigned long milliseconds) {
  connect_timeout_ = milliseconds == 0 ? kDefaultTimeout : milliseconds;
  if (internet_) internet_->SetConnectTimeout(connect_timeout_);
}

unsigned long TWinInetControl::ConnectTimeout() const {
  return internet_ ? internet_->ConnectTimeout() : connect_timeout_;
}

void TWinInetControl::SetConnectRetries(unsigned long retries) {
  connect_retries_ = retries;
  if (internet_) internet_->SetConnectRetries(retries);
}

unsigned long TWinInetControl::ConnectRetries() const {
  return internet_ ? internet_->ConnectRetries() : connect_retries_;
}

void TWinInetControl::SetReceiveTimeout(unsigned long milliseconds) {
  receive_timeout_ = milliseconds == 0 ? kDefaultReceiveTimeout : milliseconds;
  if (internet_) internet_->SetReceiveTimeout(receive_timeout_);
}

unsigned long TWinInetControl::ReceiveTimeout() const {
  return internet_ ? internet_->ReceiveTimeout() : receive_timeout_;
}

std::string TWinInetControl::StateText(TWinInetState state) const {
  switch (state) {
    case TWinInetState::Disconnecting:
      return FormatText("Disconnecting from %s", HostName);
    case TWinInetState::NotConnected:
      return "No connection";
    case TWinInetState::Connecting:
      return FormatText("Connecting to %s", HostName);
    case TWinInetState::Connected:
      return FormatText("Connected to %s", HostName);
    case TWinInetState::Resolving:
      return FormatText("Resolving name %s", HostName);
    case TWinInetState::Resolved:
      return FormatText("Resolved name %s", HostName);
  }
  return "Unknown state!  Contact support ...";
}

int TWinInetControl::AccessType() const {
  switch (ResolveNames) {
    case TResolveNames::rnLocal:
      return wininet::INTERNET_OPEN_TYPE_DIRECT;
    case TResolveNames::rnPreConfig:
      return wininet::INTERNET_OPEN_TYPE_PRECONFIG;
    case TResolveNames::rnProxy:
      return wininet::INTERNET_OPEN_TYPE_PROXY;
  }
  return wininet::INTERNET_OPEN_TYPE_DIRECT;
}

bool TWinInetControl::Connect() {
  if (state_ == TWinInetState::Connected) return true;
  if (!internet_) {
    std::string bypass;
    for (const std::string& host : ProxyBypassList) bypass += (bypass.empty() ? "" : ",") + host;
    internet_ = std::make_unique<wininet::InternetHandle>(
        agent_, AccessType(), ResolveNames == TResolveNames::rnProxy ? ProxyName : "", bypass);
  }
  internet_->SetStatusCallback([this](unsigned long code, unsigned long information) {
    StatusNotification(code, information);
  });
  internet_->SetConnectRetries(connect_retries_);
  internet_->SetConnectTimeout(connect_timeout_);
  internet_->SetReceiveTimeout(receive_timeout_);
  return false;
}

void TWinInetControl::CloseInternetHandle() {
  if (!internet_) return;
  closed_error_ = internet_->LastError();
  closed_cause_ = internet_->LastCause();
  closed_response_ = internet_->LastResponse();
  closed_error_text_ = internet_->LastErrorText();
  internet_.reset();
}

bool TWinInetControl::Disconnect() {
  CloseInternetHandle();
  if (!destroying_ && SetState(TWinInetState::NotConnected) && OnDisconnected) {
    OnDisconnected(*this);
  }
  return true;
}

void TWinInetControl::HandleError(unsigned long code) {
  SetState(TWinInetState::NotConnected);
  if (SilentExceptions) return;
  switch (code) {
    case wininet::ERROR_INTERNET_TIMEOUT:
      throw EWinInetError(FormatText("Connection to %s timed out", HostName));
    case wininet::ERROR_INTERNET_INTERNAL_ERROR:
      throw EWinInetError("Internal WININET error");
    case wininet::ERROR_INTERNET_NAME_NOT_RESOLVED:
      throw EWinInetError(FormatText("Unable to resolve host name '%s'", HostName));
    case wininet::ERROR_INTERNET_INCORRECT_USER_NAME:
      throw EWinInetError(FormatText("Bad user name: '%s' connecting to %s", UserName, HostName));
    case wininet::ERROR_INTERNET_INCORRECT_PASSWORD:
      throw EWinInetError(FormatText("Bad password connecting to %s", HostName));
    case wininet::ERROR_INTERNET_LOGIN_FAILURE:
    case wininet::ERROR_INTERNET_CANNOT_CONNECT:
      throw EWinInetError(FormatText("Unable to connect to %s", HostName));
    default:
      throw EWinInetError(FormatText("General Connection Error to %s", HostName));
  }
}

std::string TWinInetControl::LastResponseText() const {
  const std::string& response = internet_ ? internet_->LastResponse() : closed_response_;
  return response.empty() ? "No error description available" : response;
}

std::string TWinInetControl::LastErrorText() const {
  return internet_ ? internet_->LastErrorText() : closed_error_text_;
}

unsigned long TWinInetControl::LastError() const {
  return internet_ ? internet_->LastError() : closed_error_;
}

NetworkCause TWinInetControl::LastErrorCause() const {
  return internet_ ? internet_->LastCause() : closed_cause_;
}

void TWinInetControl::StatusNotification(unsigned long code, unsigned long) {
  switch (code) {
    case wininet::INTERNET_STATUS_RESOLVING_NAME:
      SetState(TWinInetState::Resolving);
      break;
    case wininet::INTERNET_STATUS_NAME_RESOLVED:
      SetState(TWinInetState::Resolved);
      break;
    case wininet::INTERNET_STATUS_CONNECTING_TO_SERVER:
      SetState(TWinInetState::Connecting);
      break;
    case wininet::INTERNET_STATUS_CONNECTED_TO_SERVER:
      SetState(TWinInetState::Connected);
      break;
    case wininet::INTERNET_STATUS_CLOSING_CONNECTION:
      SetState(TWinInetState::Disconnecting);
      break;
    case wininet::INTERNET_STATUS_CONNECTION_CLOSED:
      SetState(TWinInetState::NotConnected);
      break;
    default:
      break;
  }
}

bool TWinInetControl::SetState(TWinInetState state) {
  if (state == state_) return false;
  state_ = state;
  if (OnStateChange) OnStateChange(*this, state);
  if (QuickProgress && QuickStatus) QuickStatus(StateText(state));
  return true;
}

}  // namespace skarvel
