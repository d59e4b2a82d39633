#include "link/ProtocolBytes.h"

#include <algorithm>
#include <iterator>

namespace vantrel::link {

bool IsRefusedIdentity(std::uint8_t identity) {
    return std::find(std::begin(kRefusedIdentities), std::end(kRefusedIdentities), identity) !=
           std::end(kRefusedIdentities);
}

std::uint8_t BlockChecksum(const std::uint8_t* data, std::size_t n) {
    unsigned sum = 0;
    for (std::size_t j = 0; j < n; ++j) sum += data[j];
    return static_cast<std::uint8_t>(sum & 0xFF);
}

}  // namespace vantrel::link
