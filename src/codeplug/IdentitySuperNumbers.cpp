// Regional super numbers: each names a model and region and the default data
// file that programs a blank radio of it.
#include "codeplug/Identity.h"

namespace vantrel {

namespace {

const std::array<DefaultFileRow, kDefaultFileCount> kDefaultFileTable = {{
    {"RTKV6101AAA", 1, "V2_APAC.cpg"},   {"RTKV6101BAA", 1, "V2_APAC_B.cpg"},
    {"RTKV6101AAE", 2, "V2_EMEA.cpg"},   {"RTKV6101BAE", 2, "V2_EMEA_B.cpg"},
    {"RTKV6101AAL", 3, "V2_LACR.cpg"},   {"RTKV6101BAL", 3, "V2_LACR_B.cpg"},
    {"RTKV6102AAN", 4, "V2_NAG1.cpg"},   {"RTKV6102BAN", 4, "V2_NAG1_B.cpg"},
    {"RTKV6103AAN", 5, "V2_NAG.cpg"},    {"RTKV6103BAN", 5, "V2_NAG_B.cpg"},
    {"RTKU7201AAA", 6, "U2_APAC.cpg"},   {"RTKU7201BAA", 6, "U2_APAC_B.cpg"},
    {"RTKU7201AAE", 7, "U2_EMEA.cpg"},   {"RTKU7201BAE", 7, "U2_EMEA_B.cpg"},
    {"RTKU7201AAL", 8, "U2_LACR.cpg"},   {"RTKU7201BAL", 8, "U2_LACR_B.cpg"},
    {"RTKU7205AAL", 8, "U4_LACR.cpg"},   {"RTKU7202AAN", 9, "U2_NAG1.cpg"},
    {"RTKU7202BAN", 9, "U2_NAG1_B.cpg"}, {"RTKU7203AAN", 10, "U2_NAG.cpg"},
    {"RTKU7203BAN", 10, "U2_NAG_B.cpg"}, {"RTKV6104AAA", 1, "V1_APAC.cpg"},
    {"RTKV6104AAE", 2, "V1_EMEA.cpg"},   {"RTKV6104AAL", 3, "V1_LACR.cpg"},
    {"RTKU7204AAA", 6, "U1_APAC.cpg"},   {"RTKU7204AAE", 7, "U1_EMEA.cpg"},
    {"RTKU7204AAL", 8, "U1_LACR.cpg"},   {"RTKV6105AAE", 18, "V2_EMEA1.cpg"},
    {"RTKV6105BAE", 18, "V2_EMEA1_B.cpg"},
}};

}  // namespace

const std::array<DefaultFileRow, kDefaultFileCount>& DefaultFileTable() { return kDefaultFileTable; }

const DefaultFileRow* FindSuperNumber(const std::string& text) {
    for (const DefaultFileRow& row : kDefaultFileTable)
        if (text == row.superNumber) return &row;
    return nullptr;
}

}  // namespace vantrel
