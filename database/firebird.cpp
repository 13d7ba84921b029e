#include "database/firebird.h"

#include <cerrno>
#include <ibase.h>
#include <vector>

#include <firebird/Interface.h>

#include "platform/translation.h"

namespace skarvel::db {
namespace {

using namespace Firebird;

class XpbBuilder {
 public:
  explicit XpbBuilder(unsigned kind) {
    Status status;
    builder_ = Master()->getUtilInterface()->getXpbBuilder(status.get(), kind, nullptr, 0);
    status.Check("Preparing the connection parameters");
  }
  ~XpbBuilder() { builder_->dispose(); }
  XpbBuilder(const XpbBuilder&) = delete;
  XpbBuilder& operator=(const XpbBuilder&) = delete;
  void Tag(unsigned char tag) {
    Status status;
    builder_->insertTag(status.get(), tag);
    status.Check("Preparing the connection parameters");
  }
  void String(unsigned char tag, const std::string& value) {
    Status status;
    builder_->insertString(status.get(), tag, value.c_str());
    status.Check("Preparing the connection parameters");
  }
  void Int(unsigned char tag, int value) {
    Status status;
    builder_->insertInt(status.get(), tag, value);
    status.Check("Preparing the connection parameters");
  }
  unsigned Length() {
    Status status;
    const unsigned length = builder_->getBufferLength(status.get());
    status.Check("Preparing the connection parameters");
    return length;
  }
  const unsigned char* Buffer() {
    Status status;
    const unsigned char* buffer = builder_->getBuffer(status.get());
    status.Check("Preparing the connection parameters");
    return buffer;
  }

 private:
  IXpbBuilder* builder_;
};

// What the status's error codes say of a failed connection.
FailureCause CauseOf(const ISC_STATUS* vector) {
  FailureCause cause = FailureCause::kOther;
  for (const ISC_STATUS* item = vector; item != nullptr && *item != isc_arg_end; item += 2) {
    if (item[0] == isc_arg_gds && item[1] == isc_login) return FailureCause::kLoginRefused;
    if (item[0] == isc_arg_gds && item[1] == isc_network_error) {
      cause = FailureCause::kServerUnreachable;
    }
    if (item[0] == isc_arg_unix && item[1] == EACCES) cause = FailureCause::kFileAccessDenied;
    // A text argument takes one place, a counted one two.
    if (item[0] == isc_arg_cstring) ++item;
  }
  return cause;
}

void FillDpb(XpbBuilder& dpb, const ConnectionParameters& parameters) {
  dpb.String(isc_dpb_user_name, parameters.user);
  dpb.String(isc_dpb_password, parameters.password);
  if (parameters.character_set) dpb.String(isc_dpb_lc_ctype, *parameters.character_set);
  dpb.Int(isc_dpb_sql_dialect, 3);
}

}  // namespace

IMaster* Master() { return fb_get_master_interface(); }

Status::Status() : status_(Master()->getStatus()), wrapper_(new CheckStatusWrapper(status_)) {}

Status::~Status() {
  delete wrapper_;
  status_->dispose();
}

void Status::Check(const std::string& what) {
  if ((wrapper_->getState() & IStatus::STATE_ERRORS) == 0) return;
  char text[2048];
  Master()->getUtilInterface()->formatStatus(text, sizeof text, wrapper_);
  const FailureCause cause = CauseOf(wrapper_->getErrors());
  wrapper_->init();
  throw FirebirdError(what, text, cause);
}

std::string ErrorText(const std::exception& error) {
  const auto* firebird = dynamic_cast<const FirebirdError*>(&error);
  return firebird != nullptr ? firebird->Text() : error.what();
}

Attachment Attachment::Open(const ConnectionParameters& parameters) {
  XpbBuilder dpb(IXpbBuilder::DPB);
  FillDpb(dpb, parameters);
  Status status;
  IProvider* provider = Master()->getDispatcher();
  IAttachment* attachment = provider->attachDatabase(status.get(), parameters.database.c_str(),
                                                     dpb.Length(), dpb.Buffer());
  provider->release();
  // Also the reason a connection's later statements give the person (Connection::Work).
  status.Check(Fill(Tr("Database", "Opening the database %1"), {parameters.database}));
  return Attachment(attachment);
}

Attachment Attachment::Create(const ConnectionParameters& parameters,
                              const std::string& default_character_set) {
  XpbBuilder dpb(IXpbBuilder::DPB);
  FillDpb(dpb, parameters);
  dpb.String(isc_dpb_set_db_charset, default_character_set);
  Status status;
  IProvider* provider = Master()->getDispatcher();
  IAttachment* attachment = provider->createDatabase(status.get(), parameters.database.c_str(),
                                                     dpb.Length(), dpb.Buffer());
  provider->release();
  status.Check("Creating the database " + parameters.database);
  return Attachment(attachment);
}

void CheckServerLogin(const std::string& host, const std::string& user,
                      const std::string& password) {
  XpbBuilder spb(IXpbBuilder::SPB_ATTACH);
  spb.String(isc_spb_user_name, user);
  spb.String(isc_spb_password, password);
  Status status;
  IProvider* provider = Master()->getDispatcher();
  const std::string service = host + ":service_mgr";
  IService* manager =
      provider->attachServiceManager(status.get(), service.c_str(), spb.Length(), spb.Buffer());
  provider->release();
  status.Check("Logging in to the database server at " + host);
  manager->detach(status.get());
}

Attachment::Attachment(Attachment&& other) noexcept : attachment_(other.attachment_) {
  other.attachment_ = nullptr;
}

Attachment& Attachment::operator=(Attachment&& other) noexcept {
  if (this != &other) {
    try {
      Detach();
    } catch (const FirebirdError&) {
    }
    attachment_ = other.attachment_;
    other.attachment_ = nullptr;
  }
  return *this;
}

Attachment::~Attachment() {
  try {
    Detach();
  } catch (const FirebirdError&) {
  }
}

void Attachment::Detach() {
  if (attachment_ == nullptr) return;
  Status status;
  attachment_->detach(status.get());
  if ((status.get()->getState() & IStatus::STATE_ERRORS) != 0) {
    // A broken connection cannot be detached; its handle is released all the same.
    attachment_->release();
  }
  attachment_ = nullptr;
  status.Check("Closing the database");
}

void Attachment::ExecuteImmediate(const std::string& sql) {
  Status status;
  ITransaction* transaction = attachment_->startTransaction(status.get(), 0, nullptr);
  status.Check("Starting a transaction");
  attachment_->execute(status.get(), transaction, 0, sql.c_str(), 3, nullptr, nullptr, nullptr,
                       nullptr);
  if ((status.get()->getState() & IStatus::STATE_ERRORS) != 0) {
    Status rollback;
    transaction->rollback(rollback.get());
    status.Check("Running " + sql);
  }
  transaction->commit(status.get());
  status.Check("Committing " + sql);
}

Transaction::~Transaction() {
  if (transaction_ == nullptr) return;
  Status status;
  transaction_->rollback(status.get());
  if ((status.get()->getState() & IStatus::STATE_ERRORS) != 0) transaction_->release();
}

void Transaction::Start() {
  if (transaction_ != nullptr) return;
  static const unsigned char kTpb[] = {isc_tpb_version3, isc_tpb_concurrency, isc_tpb_write,
                                       isc_tpb_wait};
  Status status;
  transaction_ = attachment_.get()->startTransaction(status.get(), sizeof kTpb, kTpb);
  status.Check("Starting a transaction");
}

void Transaction::Commit() {
  if (transaction_ == nullptr) return;
  Status status;
  transaction_->commit(status.get());
  status.Check("Committing");
  transaction_ = nullptr;
}

void Transaction::Rollback() {
  if (transaction_ == nullptr) return;
  Status status;
  transaction_->rollback(status.get());
  ITransaction* failed = transaction_;
  transaction_ = nullptr;
  if ((status.get()->getState() & IStatus::STATE_ERRORS) != 0) failed->release();
  status.Check("Rolling back");
}

}  // namespace skarvel::db
