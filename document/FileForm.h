#pragma once

namespace cadmira::document {

// The two forms a configuration file exists in on disk: the XML text itself, or that text
// enciphered whole with the format's RC4 key.
enum class FileForm { Plain, Sealed };

}  // namespace cadmira::document
