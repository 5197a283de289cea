// Build-time tool: writes the stand-in firmware image. Usage: make_stand_in_image <output> <bytes>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "firmware/embedded/stand_in_image.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <output file> <size in bytes>\n", argv[0]);
    return 2;
  }
  const std::string output = argv[1];
  const unsigned long long total = std::strtoull(argv[2], nullptr, 10);
  std::FILE* file = std::fopen(output.c_str(), "wb");
  if (file == nullptr) {
    std::perror(output.c_str());
    return 1;
  }
  nobrix::firmware::StandInSequence sequence;
  std::vector<std::uint8_t> block(1U << 20);
  for (unsigned long long done = 0; done < total;) {
    const std::size_t chunk =
        static_cast<std::size_t>(std::min<unsigned long long>(block.size(), total - done));
    sequence.fill(block.data(), chunk);
    if (std::fwrite(block.data(), 1, chunk, file) != chunk) {
      std::perror(output.c_str());
      std::fclose(file);
      std::remove(output.c_str());
      return 1;
    }
    done += chunk;
  }
  if (std::fclose(file) != 0) {
    std::perror(output.c_str());
    std::remove(output.c_str());
    return 1;
  }
  return 0;
}
