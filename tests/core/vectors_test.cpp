// Checks the core against reference vectors written by an independent model
// (vectors/make_vectors.py): random texts, doubles of every magnitude and ties at every place.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "core/linear_fill.h"
#include "core/number_text.h"
#include "core/temperature.h"

namespace core {
namespace {

std::vector<std::vector<std::string>> ReadRows(const std::string& name) {
  std::ifstream file(std::string(BVN_VECTORS_DIR) + "/" + name);
  EXPECT_TRUE(file.is_open()) << name;
  std::vector<std::vector<std::string>> rows;
  std::string line;
  while (std::getline(file, line)) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) fields.push_back(field);
    if (line.ends_with('\t')) fields.emplace_back();
    rows.push_back(fields);
  }
  EXPECT_GT(rows.size(), 1000u) << name;
  return rows;
}

double DoubleFromBits(const std::string& hex) {
  return std::bit_cast<double>(static_cast<std::uint64_t>(std::stoull(hex, nullptr, 16)));
}

float SingleFromBits(const std::string& hex) {
  return std::bit_cast<float>(static_cast<std::uint32_t>(std::stoul(hex, nullptr, 16)));
}

std::string Describe(const Result<double>& r) {
  if (!r) return r.error() == Failure::Overflow ? "Overflow" : "Unreadable";
  char hex[32];
  std::snprintf(hex, sizeof hex, "%016llx",
                static_cast<unsigned long long>(std::bit_cast<std::uint64_t>(*r)));
  return hex;
}

TEST(ReferenceVectors, ReadDouble) {
  for (const auto& row : ReadRows("read_double.tsv")) {
    ASSERT_EQ(2u, row.size());
    ASSERT_EQ(row[1], Describe(ReadDouble(row[0]))) << '"' << row[0] << '"';
  }
}

TEST(ReferenceVectors, ReadSingle) {
  for (const auto& row : ReadRows("read_single.tsv")) {
    ASSERT_EQ(2u, row.size());
    const Result<float> r = ReadSingle(row[0]);
    std::string actual = !r ? (r.error() == Failure::Overflow ? "Overflow" : "Unreadable") : "";
    if (r) {
      char hex[16];
      std::snprintf(hex, sizeof hex, "%08x",
                    static_cast<unsigned>(std::bit_cast<std::uint32_t>(*r)));
      actual = hex;
    }
    ASSERT_EQ(row[1], actual) << '"' << row[0] << '"';
  }
}

TEST(ReferenceVectors, WholePanelFills) {
  for (const auto& row : ReadRows("fill.tsv")) {
    ASSERT_GE(row.size(), 4u);
    const auto category = std::stoul(row[0]);
    const auto active = static_cast<std::int16_t>(std::stoi(row[1]));
    const Result<LinearFill> fill = FillFrom(kLinearCategories[category], active, row[2]);
    if (row.size() == 4) {  // a failure
      ASSERT_FALSE(fill) << row[2];
      ASSERT_EQ(row[3], fill.error() == Failure::Overflow ? "Overflow" : "Unreadable") << row[2];
      continue;
    }
    ASSERT_EQ(12u, row.size());
    ASSERT_TRUE(fill) << row[2];
    for (std::size_t i = 0; i < 9; ++i) {
      ASSERT_EQ(row[3 + i], fill->texts[i]) << kLinearCategories[category].name << " from box "
                                            << active << " \"" << row[2] << "\" into box " << i;
    }
  }
}

TEST(ReferenceVectors, RoundToPattern) {
  for (const auto& row : ReadRows("round_to_pattern.tsv")) {
    ASSERT_EQ(3u, row.size());
    const std::string pattern = "###0." + std::string(std::stoul(row[1]), '0');
    ASSERT_EQ(row[2], RoundToPattern(DoubleFromBits(row[0]), pattern)) << row[0];
  }
}

TEST(ReferenceVectors, DoubleText) {
  for (const auto& row : ReadRows("double_text.tsv")) {
    ASSERT_EQ(2u, row.size());
    ASSERT_EQ(row[1], DoubleText(DoubleFromBits(row[0]))) << row[0];
  }
}

TEST(ReferenceVectors, SingleText) {
  for (const auto& row : ReadRows("single_text.tsv")) {
    ASSERT_EQ(2u, row.size());
    ASSERT_EQ(row[1], SingleText(SingleFromBits(row[0]))) << row[0];
  }
}

TEST(ReferenceVectors, TemperatureFormulas) {
  const std::map<std::string, Result<float> (*)(float)> formulas = {
      {"CelsiusToFahrenheit", CelsiusToFahrenheit}, {"KelvinToFahrenheit", KelvinToFahrenheit},
      {"CelsiusToKelvin", CelsiusToKelvin},         {"FahrenheitToCelsius", FahrenheitToCelsius},
      {"KelvinToCelsius", KelvinToCelsius},         {"FahrenheitToKelvin", FahrenheitToKelvin},
  };
  for (const auto& row : ReadRows("temperature.tsv")) {
    ASSERT_EQ(3u, row.size());
    const Result<float> r = formulas.at(row[0])(SingleFromBits(row[1]));
    if (row[2] == "Overflow") {
      ASSERT_FALSE(r) << row[0] << ' ' << row[1];
    } else {
      ASSERT_TRUE(r) << row[0] << ' ' << row[1];
      ASSERT_EQ(std::bit_cast<std::uint32_t>(SingleFromBits(row[2])),
                std::bit_cast<std::uint32_t>(*r))
          << row[0] << ' ' << row[1];
    }
  }
}

}  // namespace
}  // namespace core
