// Which printers of the Windows spooler ask where to save, and for which file: a check of the
// Windows program only, run with the menus' tests.
#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ui/print_system_windows.h"

namespace {

TEST(FileTypeAskedOn, ThePortAsksTheDriverNamesTheFile) {
  // The port, the driver and the suffix of the file asked for; none: it prints without asking.
  const std::vector<std::array<const char*, 3>> cases = {
      {"PORTPROMPT:", "Microsoft Print To PDF", ".pdf"},
      {"PORTPROMPT:", "Microsoft XPS Document Writer v4", ".oxps"},
      {"PORTPROMPT:", "Microsoft XPS Document Writer", ".xps"},
      {"file:", "HP LaserJet 4", ".prn"},  // the spooler's names ignore case
      {"C:\\Out\\window.pdf", "Microsoft Print To PDF", ""},
  };
  for (const auto& [port, driver, suffix] : cases) {
    const auto type = ui::FileTypeAskedOn(port, driver);
    EXPECT_EQ(QString(suffix), type ? QString(type->suffix) : QString()) << port << driver;
  }
}

}  // namespace
