#include "service/service_operations.h"

#include <chrono>
#include <fstream>
#include <map>

#include <gtest/gtest.h>

#include "service/serial_format.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/serial_bytes.h"
#include "tests/support/sockets.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

using test::ReferenceServiceProcess;

class ServiceOperationsTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new ReferenceServiceProcess(); }
  static void TearDownTestSuite() { delete service_; }
  void TearDown() override {
    for (const char* op :
         {"CheckStatus", "getcustinfo", "Getmessages", "GetStatus2", "UpdateStatus"}) {
      service_->Fault(op, "normal");
    }
  }

  ServiceContext Context() { return ServiceContext(service_->base_url(), pump_, notifier_); }
  ServiceContext UnreachableContext() {
    return ServiceContext(
        "http://127.0.0.1:" + std::to_string(test::RefusingPort()) + "/skv/skv.dll", pump_,
        notifier_);
  }

  static ReferenceServiceProcess* service_;
  NullEventPump pump_;
  test::RecordingNotifier notifier_;
};

ReferenceServiceProcess* ServiceOperationsTest::service_ = nullptr;

TEST_F(ServiceOperationsTest, CheckStatusWantsExactlyOk) {
  ServiceContext context = Context();
  EXPECT_TRUE(CheckStatus(context, context.ServiceBaseUrl));
  for (const char* answer : {"error", "empty", "garbage"}) {
    service_->Fault("CheckStatus", answer);
    EXPECT_FALSE(CheckStatus(context, context.ServiceBaseUrl)) << answer;
  }
  ServiceContext unreachable = UnreachableContext();
  EXPECT_FALSE(CheckStatus(unreachable, unreachable.ServiceBaseUrl));
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(ServiceOperationsTest, LooksTheCodeUpInUpperCaseAndFillsTheRecord) {
  ServiceContext context = Context();
  ASSERT_TRUE(GetCustInfo(context, "test000000001"));
  EXPECT_EQ(service_->Requests("getcustinfo").back()["params"]["code"], "TEST000000001");
  const cust_post& record = context.CustPost;
  EXPECT_EQ(record.CustomerCode, "TEST000000001");
  EXPECT_EQ(record.CP_PKEY, "T1");
  EXPECT_EQ(record.cus_name, "\xC9picerie Test");  // Windows-1252, as the service sent it
  EXPECT_EQ(record.cp_lng_code, "FR");
  EXPECT_EQ(record.cp_ps_code, "60");
  EXPECT_EQ(record.CP_BASE_CENTRALE, "SRV2:/data/central2.fdb");
  EXPECT_EQ(record.CP_PRINT_ALW, 1);  // sent empty
  EXPECT_EQ(record.CP_LOG_TICKET, 1);
  EXPECT_EQ(record.CP_LOG_SIMPLE, 0);  // sent "x"
  EXPECT_EQ(record.CP_FACT_CENTRALE, 2);
  EXPECT_EQ(record.CC_FIDELITYCARD, 7);
  EXPECT_TRUE(record.CP_FTPPASSIF);
  EXPECT_EQ(context.ServiceDataSet.RecordCount(), 0);
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(ServiceOperationsTest, OnlyOneMeansPassiveTransfers) {
  ServiceContext context = Context();
  ASSERT_TRUE(GetCustInfo(context, "TEST000000002"));
  EXPECT_FALSE(context.CustPost.CP_FTPPASSIF);
  EXPECT_EQ(context.CustPost.CP_PRINT_ALW, 1);  // sent "abc"
  ASSERT_TRUE(GetCustInfo(context, "TEST000000003"));
  EXPECT_FALSE(context.CustPost.CP_FTPPASSIF);
  EXPECT_EQ(context.CustPost.CP_PRINT_ALW, 0);
}

TEST_F(ServiceOperationsTest, MismatchedWidthsGiveAnAllEmptyRecord) {
  ServiceContext context = Context();
  context.CustPost.cus_name = "before";
  service_->Fault("getcustinfo", "mismatch");
  ASSERT_TRUE(GetCustInfo(context, "TEST000000001"));
  EXPECT_EQ(context.CustPost.cus_name, "");
  EXPECT_EQ(context.CustPost.CP_PKEY, "");
  EXPECT_EQ(context.CustPost.CP_PRINT_ALW, 1);
  EXPECT_FALSE(context.CustPost.CP_FTPPASSIF);
}

TEST_F(ServiceOperationsTest, RefusalsLeaveTheRecordAlone) {
  ServiceContext context = Context();
  context.CustPost.cus_name = "kept";
  EXPECT_FALSE(GetCustInfo(context, "NOSUCHCODE000"));  // the service answers EOF
  for (const char* answer : {"error", "EOF", "empty", "404"}) {
    service_->Fault("getcustinfo", answer);
    EXPECT_FALSE(GetCustInfo(context, "TEST000000001")) << answer;
  }
  EXPECT_EQ(context.CustPost.cus_name, "kept");
  EXPECT_TRUE(notifier_.messages.empty());
  ServiceContext unreachable = UnreachableContext();
  EXPECT_FALSE(GetCustInfo(unreachable, "TEST000000001"));
}

TEST_F(ServiceOperationsTest, AMissingColumnIsShownAndStopsTheFill) {
  ServiceContext context = Context();
  context.CustPost.ppo_port = "old";
  EXPECT_FALSE(GetCustInfo(context, "TEST000000004"));
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(notifier_.messages[0], "Field 'cus_base_pos' not found");
  EXPECT_EQ(context.CustPost.cus_name, "Missing Column");
  EXPECT_EQ(context.CustPost.ppo_port, "old");
}

TEST_F(ServiceOperationsTest, APassiveFlagThatIsNoNumberIsShown) {
  ServiceContext context = Context();
  EXPECT_FALSE(GetCustInfo(context, "TEST000000005"));
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_NE(notifier_.messages[0].find("CP_FTPPASSIF"), std::string::npos);
}

TEST_F(ServiceOperationsTest, MessagesAreReplacedOnlyByASuccessfulFetch) {
  ServiceContext context = Context();
  GetMessages(context, "ENG");
  ASSERT_EQ(context.PosMessages.size(), 47u);
  EXPECT_EQ(LookupMessage(context.PosMessages, "pos_5"), "Next");
  EXPECT_EQ(context.PosMessages[0].language, "ENG");
  EXPECT_EQ(context.ServiceDataSet.RecordCount(), 0);
  for (const char* answer : {"error", "EOF", "empty", "404", "garbage"}) {
    service_->Fault("Getmessages", answer);
    GetMessages(context, "NL");
    EXPECT_EQ(LookupMessage(context.PosMessages, "POS_5"), "Next") << answer;
  }
  service_->Fault("Getmessages", "normal");
  GetMessages(context, "FR");
  EXPECT_EQ(LookupMessage(context.PosMessages, "POS_6"),
            "Pr\xE9"
            "c\xE9"
            "dent");
}

TEST_F(ServiceOperationsTest, StepCaptionsComeOnlyFromTheStepCodes) {
  ServiceContext context = Context();
  std::map<int, std::string> captions;
  GetStatus2(context, "TST", [&](int box, const std::string& caption) { captions[box] = caption; });
  EXPECT_EQ(service_->Requests("GetStatus2").back()["params"]["LANG"], "TST");
  ASSERT_EQ(context.PosStatuses.size(), 5u);
  EXPECT_EQ(captions, (std::map<int, std::string>{{1, "Box one"}, {12, "Box twelve"}}));
  EXPECT_EQ(FindStatusEntry(context.PosStatuses, "35").psl_name, "Thirty-five");

  captions.clear();
  service_->Fault("GetStatus2", "error");
  GetStatus2(context, "ENG", [&](int box, const std::string& caption) { captions[box] = caption; });
  EXPECT_TRUE(captions.empty());
  EXPECT_EQ(context.PosStatuses.size(), 5u);
}

TEST_F(ServiceOperationsTest, ReportsAreStoredAndAnsweredWithTheirWord) {
  ServiceContext context = Context();
  const std::string url = StatusReportUrl(context.ServiceBaseUrl, "1003", "29", "20");
  EXPECT_EQ(UpdateStatus(context, url), "OKOK");
  EXPECT_EQ(service_->Customer("5412345000037")["cp_ps_code"], "29");
  ASSERT_TRUE(GetCustInfo(context, "5412345000037"));
  EXPECT_EQ(context.CustPost.cp_ps_code, "29");
  // The status code of the answer is not looked at.
  service_->Fault("UpdateStatus", "404");
  EXPECT_EQ(UpdateStatus(context, url), "OKOK");
  for (const char* answer : {"error", "EOF", "empty"}) {
    service_->Fault("UpdateStatus", answer);
    EXPECT_EQ(UpdateStatus(context, url), "") << answer;
  }
  ServiceContext unreachable = UnreachableContext();
  EXPECT_EQ(UpdateStatus(unreachable, url), "");
}

TEST_F(ServiceOperationsTest, AHostileReportValueCannotAddParameters) {
  ServiceContext context = Context();
  const std::string url = StatusReportUrl(context.ServiceBaseUrl, "1002", "49", "40&status=999");
  EXPECT_EQ(UpdateStatus(context, url), "OKOK");
  const auto report = service_->Requests("UpdateStatus").back();
  EXPECT_EQ(report["params"]["status"], "49");
  EXPECT_EQ(report["params"]["info"], "40&status=999");
  EXPECT_EQ(service_->Customer("5412345000020")["cp_ps_code"], "49");
}

// Each way a request fails says why in one sentence for the person, its technical detail apart;
// an answer clears it.
TEST_F(ServiceOperationsTest, EachFailureSaysItsCauseInOneSentence) {
  ServiceContext unreachable = UnreachableContext();
  const std::string refusing = ServiceHostOf(unreachable.ServiceBaseUrl);
  EXPECT_FALSE(CheckStatus(unreachable, unreachable.ServiceBaseUrl));
  EXPECT_FALSE(unreachable.last_request_answered);
  EXPECT_EQ(unreachable.last_problem.cause,
            "The configuration service at " + refusing + " refuses the connection.");
  EXPECT_NE(unreachable.last_problem.details.find("Failed to connect"), std::string::npos)
      << unreachable.last_problem.details;

  ServiceContext context = Context();
  const std::string host = service_->host();
  service_->Fault("getcustinfo", "404");
  EXPECT_FALSE(GetCustInfo(context, "5412345000037"));
  EXPECT_TRUE(context.last_request_answered);
  EXPECT_EQ(context.last_problem.cause,
            "The configuration service at " + host + " answered \"not found\".");
  EXPECT_EQ(context.last_problem.details.rfind("HTTP 404 for ", 0), 0u)
      << context.last_problem.details;

  service_->Fault("CheckStatus", "garbage");
  EXPECT_FALSE(CheckStatus(context, context.ServiceBaseUrl));
  EXPECT_EQ(context.last_problem.cause,
            "The configuration service at " + host + " answered, but not that it is ready.");
  EXPECT_NE(context.last_problem.details.find("this is not a table"), std::string::npos);

  service_->Fault("CheckStatus", "normal", 3'000, 1);
  context.limits = WebLimits{std::chrono::milliseconds(1'000), std::chrono::seconds(1)};
  EXPECT_FALSE(CheckStatus(context, context.ServiceBaseUrl));
  EXPECT_EQ(context.last_problem.cause, "Nothing came back from the configuration service at " +
                                            host + " within the time limit.");

  context.limits = WebLimits{};
  EXPECT_TRUE(CheckStatus(context, context.ServiceBaseUrl));
  EXPECT_TRUE(context.last_problem.empty());
  EXPECT_FALSE(context.certificate.has_value());  // plain HTTP
}

// A port where another kind of server answers (here a download server) is a wrong setting, not
// a service that is down.
TEST_F(ServiceOperationsTest, AServerOfAnotherKindIsNotTheService) {
  test::TempFolder root;
  const test::FtpServerProcess ftp(root.path());
  const std::string host = "127.0.0.1:" + std::to_string(ftp.port());
  ServiceContext context("http://" + host + "/skv/skv.dll", pump_, notifier_);
  EXPECT_FALSE(CheckStatus(context, context.ServiceBaseUrl));
  EXPECT_EQ(context.last_problem.cause, "What answers at " + host +
                                            " is not the configuration service: check its "
                                            "address and port.");
}

struct MalformedCase {
  const char* label;
  std::string (*answer)();  // built when the test runs, not when it is listed
  const char* shown;
};

const std::string& OneColumn() {
  static const std::string definition = test::Definition("MSG_CODE", 1, 0, 4);
  return definition;
}

const MalformedCase kMalformedAnswers[] = {
    {"not_zlib", [] { return std::string("not a zlib stream"); }, "could not be decompressed"},
    {"truncated_zlib",
     [] { return test::Compress(test::Inflated(5, 1, OneColumn(), "POS1")).substr(0, 20); },
     "could not be decompressed"},
    {"inflates_too_far", [] { return test::Compress(std::string(kMaxInflatedAnswer + 1, '0')); },
     "inflates to more than 268435456 bytes"},
    {"short_header", [] { return test::Compress("0005"); }, "fewer than the 16 of its header"},
    {"header_not_hex", [] { return test::Compress("00G50000000100250"); },
     "\"00G5\" at offset 0 is not a hexadecimal number"},
    {"count_not_hex", [] { return test::Compress("00050000 0010025" + OneColumn()); },
     "\"0000 001\" at offset 4 is not a hexadecimal number"},
    {"definitions_not_37",
     [] { return test::Compress(test::Inflated(5, 1, OneColumn() + "X", "POS1")); },
     "take 38 characters, which is not a multiple of 37"},
    {"definitions_cut",
     [] { return test::Compress("0005000000010025" + OneColumn().substr(0, 20)); },
     "ends before them"},
    {"unknown_type",
     [] {
       return test::Compress(test::Inflated(5, 1, test::Definition("BLOB", 15, 0, 4), "POS1"));
     },
     "column \"BLOB\" has the unknown type code 15"},
    {"type_not_hex",
     [] {
       return test::Compress(test::Inflated(5, 1, OneColumn().substr(0, 32) + "Z1004", "POS1"));
     },
     "\"Z1\" at offset 48 is not a hexadecimal number"},
    {"rows_missing",
     [] { return test::Compress(test::Inflated(5, 3, OneColumn(), std::string(14, 'x'))); },
     "declares 3 rows of 5 bytes but holds only 14 bytes of rows"},
    {"huge_row_count",
     [] { return test::Compress(test::Inflated(5, 0xFFFFFFFF, OneColumn(), "POS1")); },
     "declares 4294967295 rows of 5 bytes"},
    {"rows_without_columns", [] { return test::Compress(test::Inflated(0, 0x10000000, "", "")); },
     "declares 268435456 rows but no columns"},
};

class MalformedAnswerTest : public ServiceOperationsTest,
                            public testing::WithParamInterface<MalformedCase> {};

TEST_P(MalformedAnswerTest, GivesStatusZeroAndShowsWhatIsWrong) {
  test::TempFolder folder;
  std::ofstream(folder.File("answer"), std::ios::binary) << GetParam().answer();
  service_->AnswerWithFile("Getmessages", folder.File("answer"));
  ServiceContext context = Context();
  tserialdataset result{"stale", 1, nullptr};
  FetchDataSet(context, context.ServiceBaseUrl + "/Getmessages?lang=ENG", result);
  EXPECT_EQ(result.status, 0);
  EXPECT_EQ(result.serial, "");
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_NE(notifier_.messages[0].find(GetParam().shown), std::string::npos)
      << notifier_.messages[0];
}

INSTANTIATE_TEST_SUITE_P(Decoder, MalformedAnswerTest, testing::ValuesIn(kMalformedAnswers),
                         [](const testing::TestParamInfo<MalformedCase>& info) {
                           return std::string(info.param.label);
                         });

}  // namespace
}  // namespace skarvel
