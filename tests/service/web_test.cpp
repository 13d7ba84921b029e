#include "service/web.h"

#include <chrono>

#include <gtest/gtest.h>

#include "tests/support/recording_notifier.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/sockets.h"

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

}  // namespace
}  // namespace skarvel
