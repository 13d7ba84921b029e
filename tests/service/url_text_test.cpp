#include "service/url_text.h"

#include <gtest/gtest.h>

namespace skarvel {
namespace {

TEST(UrlTextTest, NormalisationRemovesDoubledSlashesButKeepsTheSchemes) {
  EXPECT_EQ(NormaliseUrl("http://h:8080/skv/skv.dll//CheckStatus"),
            "http://h:8080/skv/skv.dll/CheckStatus");
  EXPECT_EQ(NormaliseUrl("HTTP://h//a"), "http://h/a");
  EXPECT_EQ(NormaliseUrl("h//a"), "h/a");
  // Replacements do not overlap: three slashes become two.
  EXPECT_EQ(NormaliseUrl("http://h/a///b"), "http://h/a//b");
  // Only the first scheme is restored.
  EXPECT_EQ(NormaliseUrl("http://h/?u=http://x"), "http://h/?u=http:/x");
  // A service over TLS keeps its scheme the same way.
  EXPECT_EQ(NormaliseUrl("HTTPS://h:8443/skv//a"), "https://h:8443/skv/a");
  EXPECT_EQ(NormaliseUrl("https://h/?u=http://x"), "https://h/?u=http:/x");
  EXPECT_EQ(NormaliseUrl("http://h/?u=https://x"), "http://h/?u=https:/x");
}

TEST(UrlTextTest, QueryValuesPassUnlessTheyWouldChangeTheUrl) {
  EXPECT_EQ(QueryValue("5412345000013"), "5412345000013");
  EXPECT_EQ(QueryValue("C:/POS=1;x"), "C:/POS=1;x");
  EXPECT_EQ(QueryValue("1&status=999"), "1%26status=999");
  EXPECT_EQ(QueryValue("a b#c%d+e?f"), "a%20b%23c%25d%2Be%3Ff");
  EXPECT_EQ(QueryValue("caf\xE9\x01\x7F"), "caf%E9%01%7F");
}

}  // namespace
}  // namespace skarvel
