// A fixture with a temporary folder of its own, removed after each test.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace yanqi::test {

class TemporaryFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = std::filesystem::temp_directory_path() /
              ("yanqi-test-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }
  void TearDown() override { std::filesystem::remove_all(folder_); }

  // Writes a file of the folder and gives its path.
  std::string WriteFileAt(const std::string& name, const std::string& bytes) {
    const std::filesystem::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path.string();
  }

  static std::string ReadFileAt(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
  }

  std::filesystem::path folder_;
};

}  // namespace yanqi::test
