#include <sys/stat.h>

#include <fstream>
#include <string>
#include <thread>

#include <gtest/gtest.h>

#include "tests/cli/CliRun.h"

namespace cadmira::cli {
namespace {

TEST(PipeInput, ShowReadsAFifoAsItReadsAFile) {
  const std::string example = std::string(CADMIRA_SOURCE_DIR) + "/examples/reader-profstore.sealed.xml";
  const TempFolder folder;
  const std::string fifo = folder.Path("fifo");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  std::thread writer([&] { std::ofstream(fifo, std::ios::binary) << ReadFile(example); });
  const CliRun fromFifo = RunCommand({"show", fifo});
  writer.join();
  ASSERT_EQ(fromFifo.status, 0) << fromFifo.err;
  EXPECT_EQ(fromFifo.out, RunCommand({"show", example}).out);
}

}  // namespace
}  // namespace cadmira::cli
