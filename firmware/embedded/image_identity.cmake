# Writes the size and SHA-256 of the firmware image into a source file, while building:
#   cmake -DIMAGE=<image> -DOUTPUT=<source> -P image_identity.cmake
file(SIZE "${IMAGE}" bytes)
file(SHA256 "${IMAGE}" digest)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1, " digest_bytes "${digest}")
string(REGEX REPLACE ", $" "" digest_bytes "${digest_bytes}")
file(WRITE "${OUTPUT}" "// The size and SHA-256 of the firmware image this build carries. Generated while building.
#include \"firmware/embedded/image_file.h\"

namespace nobrix::firmware {

ImageIdentity builtImageIdentity() {
  // SHA-256 ${digest}
  return {${bytes}ULL, {${digest_bytes}}};
}

}  // namespace nobrix::firmware
")
