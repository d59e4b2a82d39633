#pragma once
// The radio facts an entry keeps, taken from an image as the editor's "Radio
// Information" frame shows them after opening it.
#include "archive/ArchiveEntry.h"
#include "codeplug/CodeplugImage.h"

namespace vantrel::archive {

RadioFacts RadioFactsOf(const CodeplugImage::Bytes& bytes);

// The image's serial number as the editor shows it: empty when the serial
// field is blank.
QString SerialOf(const CodeplugImage::Bytes& bytes);

}  // namespace vantrel::archive
