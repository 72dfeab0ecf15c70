#pragma once

#include <span>

namespace cadmira::resources {

// The bytes of the embedded resources/xml/<id>.xml; empty when there is no such resource.
std::span<const unsigned char> XmlResource(int id);

}  // namespace cadmira::resources
