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
  cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.c_str(), nullptr);
  if (dest == nullptr) return "(no printer)";
  const char* value = cupsGetOption(option, dest->num_options, dest->options);
  std::string text = value != nullptr ? value : "(none)";
  cupsFreeDests(1, dest);
  return text;
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
