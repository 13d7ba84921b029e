#include "service/web.h"

#include <chrono>

#include <gtest/gtest.h>

#include "tests/support/recording_notifier.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/sockets.h"
#include "tests/support/test_certificates.h"

namespace skarvel {
namespace {

using test::CountingPump;
using test::ReferenceServiceProcess;

class WebTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { service_ = new ReferenceServiceProcess(); }
  static void TearDownTestSuite() { delete service_; }
  void TearDown() override { service_->Fault("CheckStatus", "normal"); }

  static ReferenceServiceProcess* service_;
  CountingPump pump_;
};

ReferenceServiceProcess* WebTest::service_ = nullptr;

TEST_F(WebTest, GetsTheWholeAnswerThroughANormalisedUrl) {
  TWeb web(pump_);
  web.Get("http://" + service_->host() + "//skv/skv.dll//CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.Url(), service_->base_url() + "/CheckStatus");
  EXPECT_EQ(web.AnswerText(), "OK");
  EXPECT_EQ(web.AnswerText(), "OK");
  EXPECT_EQ(web.StatusCode(), 200);
  EXPECT_EQ(web.FailureText(), "");
}

TEST_F(WebTest, PumpsTheWindowWhileTheServiceTakesItsTime) {
  service_->Fault("CheckStatus", "normal", 400);
  TWeb web(pump_);
  web.Get(service_->base_url() + "/CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.AnswerText(), "OK");
  // A poll lasts at most 100 ms, so a 400 ms answer sees the pump several times.
  EXPECT_GE(pump_.pumped, 3);
}

TEST_F(WebTest, KeepsTheStatusCodeOfA404) {
  service_->Fault("CheckStatus", "404");
  TWeb web(pump_);
  web.Get(service_->base_url() + "/CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.StatusCode(), 404);
  EXPECT_EQ(web.AnswerText(), "OK");
}

TEST_F(WebTest, AnUnreachableHostGivesAnEmptyAnswer) {
  TWeb web(pump_);
  web.Get("http://127.0.0.1:" + std::to_string(test::RefusingPort()) + "/skv/skv.dll/CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.AnswerText(), "");
  EXPECT_EQ(web.StatusCode(), 0);
  EXPECT_NE(web.FailureText(), "");
}

TEST_F(WebTest, AServiceThatStallsIsGivenUpAfterTheLimit) {
  constexpr int kDelayMs = 4000;
  service_->Fault("CheckStatus", "normal", kDelayMs, 1);
  TWeb web(pump_, WebLimits{std::chrono::milliseconds(1000), std::chrono::seconds(1)});
  const auto start = std::chrono::steady_clock::now();
  web.Get(service_->base_url() + "/CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.AnswerText(), "");
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(kDelayMs));
}

TEST_F(WebTest, TerminationEndsTheWaitWithoutAnAnswer) {
  service_->Fault("CheckStatus", "normal", 2000, 1);
  pump_.terminate_after = 2;
  TWeb web(pump_);
  web.Get(service_->base_url() + "/CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.AnswerText(), "");
  EXPECT_EQ(pump_.pumped, 3);
}

TEST_F(WebTest, ASecondRequestWhileTheFirstRunsIsRefused) {
  TWeb web(pump_);
  web.Get(service_->base_url() + "/CheckStatus");
  EXPECT_THROW(web.Get(service_->base_url() + "/CheckStatus"), WebError);
  web.WaitForAnswer();
  EXPECT_EQ(web.AnswerText(), "OK");
}

// The service over HTTPS, with the certificates of the tests' own authority.
class WebTlsTest : public testing::Test {
 protected:
  const test::TestCertificates& certificates_ = test::TestCertificates::Get();
  CountingPump pump_;

  // A request to a service presenting certificate, trusting ca_file (empty: the system's store).
  struct Outcome {
    std::string answer;
    long status = 0;
    NetworkCause cause = NetworkCause::kNone;
    std::string failure;
    std::optional<CertificateInfo> certificate;
  };
  Outcome Ask(const ReferenceServiceProcess& service, const std::string& ca_file) {
    TWeb web(pump_);
    web.UseAuthorities(ca_file);
    web.Get(service.base_url() + "/CheckStatus");
    web.WaitForAnswer();
    return {web.AnswerText(), web.StatusCode(), web.FailureCause(), web.FailureText(),
            web.Certificate()};
  }
};

TEST_F(WebTlsTest, AVerifiedServiceAnswersAndShowsItsCertificate) {
  const ReferenceServiceProcess service({}, certificates_.Valid());
  ASSERT_EQ(service.base_url().rfind("https://127.0.0.1:", 0), 0u);
  const Outcome outcome = Ask(service, certificates_.Authority());
  EXPECT_EQ(outcome.answer, "OK") << outcome.failure;
  EXPECT_EQ(outcome.status, 200);
  EXPECT_EQ(outcome.cause, NetworkCause::kNone);
  ASSERT_TRUE(outcome.certificate.has_value());
  EXPECT_EQ(outcome.certificate->names, (std::vector<std::string>{"127.0.0.1", "localhost"}));
  EXPECT_EQ(outcome.certificate->Holder(), "127.0.0.1, localhost");
  EXPECT_NE(outcome.certificate->subject.find("127.0.0.1"), std::string::npos);
  EXPECT_NE(outcome.certificate->issuer.find("Skarvel Test CA"), std::string::npos);
  // Ten years from now, in UTC, as ISO 8601 writes it.
  const std::string& until = outcome.certificate->valid_until;
  ASSERT_EQ(until.size(), 20u) << until;
  EXPECT_EQ(until[4], '-');
  EXPECT_EQ(until[10], 'T');
  EXPECT_EQ(until.back(), 'Z');
  EXPECT_GE(std::stoi(until.substr(0, 4)), 2030) << until;
}

// Each flaw of a certificate ends the request with no answer and its own cause; the system's
// store knows nothing of the tests' authority.
TEST_F(WebTlsTest, EachBadCertificateFailsWithItsOwnCause) {
  const ReferenceServiceProcess valid({}, certificates_.Valid());
  const ReferenceServiceProcess expired({}, certificates_.Expired());
  const ReferenceServiceProcess other_name({}, certificates_.OtherName());
  const struct {
    const ReferenceServiceProcess& service;
    std::string ca_file;
    NetworkCause cause;
  } cases[] = {
      {expired, certificates_.Authority(), NetworkCause::kCertificateExpired},
      {other_name, certificates_.Authority(), NetworkCause::kCertificateWrongName},
      {valid, certificates_.OtherAuthority(), NetworkCause::kCertificateUnknownAuthority},
      {valid, "", NetworkCause::kCertificateUnknownAuthority},
  };
  for (const auto& [service, ca_file, cause] : cases) {
    const Outcome outcome = Ask(service, ca_file);
    EXPECT_EQ(outcome.cause, cause) << outcome.failure;
    EXPECT_EQ(outcome.answer, "");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_FALSE(outcome.certificate.has_value());
    EXPECT_NE(outcome.failure, "");
  }
}

// An https URL is TLS or nothing: a service that only speaks plain HTTP is not asked in plain.
TEST_F(WebTlsTest, AnHttpsUrlNeverFallsBackToPlainHttp) {
  const ReferenceServiceProcess plain;
  TWeb web(pump_);
  web.UseAuthorities(certificates_.Authority());
  web.Get("https://" + plain.host() + "/skv/skv.dll/CheckStatus");
  web.WaitForAnswer();
  EXPECT_EQ(web.AnswerText(), "");
  EXPECT_EQ(web.FailureCause(), NetworkCause::kTlsUnavailable) << web.FailureText();
  EXPECT_TRUE(plain.Requests("CheckStatus").empty());
}

}  // namespace
}  // namespace skarvel
