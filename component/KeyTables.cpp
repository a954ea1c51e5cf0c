#include "component/Cipher.h"

#include <string_view>

namespace vellum::component {

namespace {

// Each table is kept in two stored pieces around one character made from its code at run time,
// so that no stored piece holds the whole table.
std::string joinPieces(std::string_view first, int madeFromCode, std::string_view second) {
    return std::string(first) + static_cast<char>(madeFromCode) + std::string(second);
}

} // namespace

std::string BuildTextKeyTable() {
    return joinPieces("P\023-#\033\021BAh^KYf_\030L;\035i\027Za=H278/T\026j?\017d\016ocO>%X.(\034b",
                      34,
                      "IRGpJ\022+k[g<@:'Nm5\031V*\0240\025EQ\036$l3\020F!D\\`W&9Ut1|\032v)n]zsy4e,"
                      "M\037x w{qSrCu6");
}

std::string BuildBinaryKeyTable() {
    return joinPieces("x\304$\361\2635\372C\216\220\215\246\366\214F'})(1\\\3713\225\265U\314*"
                      "q\351\266\254|\234\221\273\007\034~",
                      34,
                      "\242\306]b\323\276uw\255o\233\321\027E;\337m,^\235\330e[%"
                      "S\026K\232\334\331fl\231\272M\024\21196\022\237\230\267\333"
                      "&\033\257W\322\203\325\224\201\300\307\262\347\011h\302`_"
                      "\342\326\250\3160O\030\036\343\200\327\035\207\226\345\350\315\303\317\017"
                      "\365\021\312\252\301");
}

} // namespace vellum::component
