// The fixed product table. Six products share family 016, so the order only matters for which
// row is reported; names are compared whole and case-sensitively.
#include "firmware/product_table.h"

#include <array>

namespace nobrix::firmware {
namespace {

constexpr std::array<ProductFamily, 9> kProducts{{
    {u"CORVANE 700e", u"io_vortel_dist_pp1_009."},
    {u"ZOVGroup Ua8800", u"io_vortel_dist_pp1_013."},
    {u"SALVENOR LRX5301", u"io_vortel_dist_pp1_016."},
    {u"SALVENOR LRX5302", u"io_vortel_dist_pp1_016."},
    {u"SALVENOR LRX5303", u"io_vortel_dist_pp1_016."},
    {u"SALVENOR LRX5304", u"io_vortel_dist_pp1_016."},
    {u"CORVANE TRM700", u"io_vortel_dist_pp1_016."},
    {u"mostrela kQB-Z", u"io_vortel_dist_pp1_016."},
    {u"SALVENOR LMQ7600", u"io_vortel_dist_pp1_017."},
}};

}  // namespace

std::span<const ProductFamily> productTable() {
  return kProducts;
}

std::u16string_view familyPrefixFor(std::u16string_view productName) {
  for (const ProductFamily& row : kProducts) {
    if (row.productName == productName) {
      return row.familyPrefix;
    }
  }
  return {};
}

}  // namespace nobrix::firmware
