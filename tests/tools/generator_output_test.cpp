// Runs the generator program into a fresh folder and holds its three files against the
// committed resources, byte for byte, so that data and generator never drift apart.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

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

TEST(GeneratorOutput, RegeneratedFilesEqualTheCommittedResourcesByteForByte) {
  TemporaryFolder folder;
  ASSERT_EQ(runGenerator(folder.path()), 0);
  for (const char* name : {"VELKORA.z", "MPOLY1.z", "MPOLY2.z"}) {
    const fs::path committed = fs::path(VELKORA_RESOURCE_DIR) / name;
    ASSERT_TRUE(fs::exists(committed)) << committed;
    const std::string generatedBytes = readBytes(folder.path() / name);
    ASSERT_FALSE(generatedBytes.empty()) << name << " was not written";
    EXPECT_EQ(firstDifference(generatedBytes, readBytes(committed)), "") << name;
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
