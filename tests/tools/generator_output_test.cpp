// Runs the generator program into a fresh folder and holds its three files against the
// committed resources, so that data and generator never drift apart. The inflated texts are
// compared, byte for byte: another build of zlib may compress the same text differently.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <span>
#include <string>

#include "catalogue/inflate.h"

namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A folder under the temporary directory that is removed again when the test ends.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("catalogue_generator_" + std::to_string(random()));
    fs::create_directories(path_);
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  TemporaryFolder(const TemporaryFolder&) = delete;
  TemporaryFolder& operator=(const TemporaryFolder&) = delete;
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// Runs the generator with the folder as its one argument (none when empty); 0 on success.
int runGenerator(const fs::path& folder) {
  std::string command("\"");
  command += VELKORA_GENERATOR_PATH;
  command += '"';
  if (!folder.empty()) {
    command += " \"";
    command += folder.string();
    command += '"';
  }
  command += " > /dev/null 2>&1";
  const int status = std::system(command.c_str());
  return status == 0 ? 0 : (status == -1 ? -1 : 1);
}

// The text inflated from the zlib stream in the file; throws when it is no such stream.
std::string inflatedText(const fs::path& path) {
  const std::string bytes = readBytes(path);
  return velkora::decompressStream(
      std::span(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()));
}

// Empty when equal; otherwise the first differing offset with both bytes.
std::string firstDifference(const std::string& generated, const std::string& committed) {
  const std::size_t common = std::min(generated.size(), committed.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (generated[i] != committed[i]) {
      return "first difference at offset " + std::to_string(i) + ": generated " +
             std::to_string(static_cast<unsigned char>(generated[i])) + ", committed " +
             std::to_string(static_cast<unsigned char>(committed[i]));
    }
  }
  if (generated.size() != committed.size()) {
    return "equal for " + std::to_string(common) + " bytes, then sizes differ: generated " +
           std::to_string(generated.size()) + ", committed " + std::to_string(committed.size());
  }
  return {};
}

TEST(GeneratorOutput, RegeneratedFilesInflateToTheCommittedResourcesTexts) {
  TemporaryFolder folder;
  ASSERT_EQ(runGenerator(folder.path()), 0);
  for (const char* name : {"VELKORA.z", "MPOLY1.z", "MPOLY2.z"}) {
    const fs::path committed = fs::path(VELKORA_RESOURCE_DIR) / name;
    ASSERT_TRUE(fs::exists(committed)) << committed;
    ASSERT_TRUE(fs::exists(folder.path() / name)) << name << " was not written";
    std::string generatedText;
    ASSERT_NO_THROW(generatedText = inflatedText(folder.path() / name)) << name;
    ASSERT_FALSE(generatedText.empty()) << name;
    EXPECT_EQ(firstDifference(generatedText, inflatedText(committed)), "") << name;
  }
}

TEST(GeneratorOutput, ExitsNonZeroWhenItCannotWrite) {
  TemporaryFolder folder;
  const fs::path missing = folder.path() / "missing";
  EXPECT_NE(runGenerator(missing), 0);
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_NE(runGenerator({}), 0) << "no target folder and no --check";
}

}  // namespace
