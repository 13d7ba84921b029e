#include "platform/printers.h"

#include <cups/cups.h>
#include <gtest/gtest.h>

#include "tests/support/cups_server_process.h"

namespace skarvel {
namespace {

TEST(DeviceUriForPortTest, MapsTheWindowsPortNames) {
  EXPECT_EQ(DeviceUriForPort("COM1"), "serial:/dev/ttyS0");
  EXPECT_EQ(DeviceUriForPort("com3"), "serial:/dev/ttyS2");
  EXPECT_EQ(DeviceUriForPort("LPT1"), "parallel:/dev/lp0");
  for (const char* port : {"", "COM", "COM0", "COMX", "USB001", "FILE:", "COM1;rm"}) {
    EXPECT_EQ(DeviceUriForPort(port), std::nullopt) << port;
  }
}

// The queue's attribute as the scheduler reports it.
std::string PrinterOption(const std::string& name, const char* option) {
  http_t* http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              30'000, nullptr);
  cups_dest_t* dest = cupsGetNamedDest(http, name.c_str(), nullptr);
  httpClose(http);
  if (dest == nullptr) return "(no printer)";
  const char* value = cupsGetOption(option, dest->num_options, dest->options);
  std::string text = value != nullptr ? value : "(none)";
  cupsFreeDests(1, dest);
  return text;
}

TEST(PrinterQueueNameTest, GivesEveryNameTheNearestOneAQueueCanHave) {
  const std::pair<std::string, std::string> cases[] = {
      {"TICKETS", "TICKETS"},
      {" Ticket printer ", "Ticket_printer"},
      {"a/b\\c#d?e@f'g\"h\ti", "a_b_c_d_e_f_g_h_i"},
      {"Caisse \xE9t\xE9", "Caisse_\xE9t\xE9"},  // Windows-1252 letters stay
  };
  for (const auto& [name, queue] : cases) EXPECT_EQ(PrinterQueueName(name), queue) << name;
  // 127 bytes at most in UTF-8, no letter cut in half.
  EXPECT_EQ(PrinterQueueName(std::string(200, 'x')), std::string(127, 'x'));
  EXPECT_EQ(PrinterQueueName(std::string(100, '\xE9')), std::string(63, '\xE9'));
}

// The scheduler refuses a blank in a queue name; the mapped name is accepted.
TEST(CupsPrintersTest, AQueueTakesTheMappedName) {
  test::CupsServerProcess cups;
  CupsPrinters printers;
  EXPECT_FALSE(printers.AddTextPrinter("Ticket printer", "COM1", "refused"));
  ASSERT_TRUE(printers.AddTextPrinter(PrinterQueueName("Ticket printer"), "COM1", "mapped"))
      << printers.LastError();
  EXPECT_EQ(PrinterOption("Ticket_printer", "device-uri"), "serial:/dev/ttyS0");
}

// A scheduler that wants a password refuses at once, and says why: nobody is asked.
TEST(CupsPrintersTest, AScheduleThatWantsAPasswordRefusesAtOnce) {
  test::CupsServerProcess cups(test::CupsServerProcess::Printers::kPassword);
  CupsPrinters printers;
  EXPECT_FALSE(printers.AddTextPrinter("TICKETS", "COM1", "needs a password"));
  EXPECT_NE(printers.LastError().find("wants a password"), std::string::npos)
      << printers.LastError();
  EXPECT_EQ(PrinterOption("TICKETS", "device-uri"), "(no printer)");
}

TEST(CupsPrintersTest, AddsARawQueueOnceAndRefusesASecondOfTheSameName) {
  test::CupsServerProcess cups;
  CupsPrinters printers;
  ASSERT_TRUE(printers.AddTextPrinter("TICKETS", "COM2", "ZV:TICKETS_COM2"))
      << printers.LastError();
  EXPECT_EQ(PrinterOption("TICKETS", "device-uri"), "serial:/dev/ttyS1");
  EXPECT_EQ(PrinterOption("TICKETS", "printer-info"), "ZV:TICKETS_COM2");

  EXPECT_FALSE(printers.AddTextPrinter("TICKETS", "LPT1", "other"));
  EXPECT_EQ(PrinterOption("TICKETS", "device-uri"), "serial:/dev/ttyS1") << "unchanged";
  EXPECT_EQ(PrinterOption("TICKETS", "printer-info"), "ZV:TICKETS_COM2");

  EXPECT_FALSE(printers.AddTextPrinter("OTHER", "USB001", "no device"));
  EXPECT_EQ(PrinterOption("OTHER", "device-uri"), "(no printer)");

  EXPECT_TRUE(printers.DeletePrinter("TICKETS"));
  EXPECT_FALSE(printers.DeletePrinter("TICKETS"));
}

}  // namespace
}  // namespace skarvel
