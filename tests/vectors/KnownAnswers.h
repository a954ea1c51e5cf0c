#pragma once

#include "component/Clock.h"
#include "component/RandomSource.h"

#include <cstdint>
#include <string_view>

// Ciphertexts and printable forms written by the build at commit 222674b, with the random source
// and the clock below, one encryption after another in the order of the tables. Every later build
// must write them again byte for byte, and read them back.
namespace vellum::testing {

using namespace std::string_view_literals;

// A fixed random source: its draws follow from the seeds it is given, so that the order of
// seedings and draws is pinned too.
class SequenceRandom final : public component::RandomSource {
public:
    void Reseed(double seed) override {
        m_state = m_state * kMultiplier + static_cast<std::uint64_t>(seed * 1000.0);
    }
    float Draw() override {
        m_state = m_state * kMultiplier + 1442695040888963407U;
        return static_cast<float>(m_state >> 40) * 0x1p-24F;
    }

private:
    static constexpr std::uint64_t kMultiplier = 6364136223846793005U;
    std::uint64_t m_state = 1;
};

class FixedClock final : public component::Clock {
public:
    component::DateTime Now() override { return {2026, 12, 9, 22, 41, 7}; }
};

struct TextVector {
    std::string_view plainText;
    std::string_view cipherText;
    std::string_view printableForm;
};

// clang-format off
inline const TextVector kTextVectors[] = {
    {""sv,
     "\x15S\x11\x16t\x12x\x13L]\x15zgH3%YmH),T~me\x19ll\x22p"sv,
     "vm9_5ac3Y3142p20r21Vd13s2iT2IB3bl3TD1FZ0ul1h53ll0An0"sv},
    {"Meet me at nine"sv,
     "\x0f\x12O<h\x18` g\x11\x1d(#qw!Am)!Eu\x16\x13~U\x1bz+U"sv,
     "vm9_4gH022WN2j50f90i137D2An3q93Pl3D93Rp3421uZ16s2EZ3"sv},
    {"a|b;c"sv,
     "G\x14\x62\x62&@:kbfB`w&(_}~k+xu\x7f\x13.\x17\x11\x34*%"sv,
     "vm9_4plS32gg0CP0Mk1gi0Qf0qC2De1tu2kE3rp1u23G411J2EB1"sv},
    {"xxxxxxxxxxxxxxxxxxxxxxxxxxxx"sv,
     "@d\x13%7\x18\x1ar*>Ymp\x5cRJxsOlV\x1ez\x1b\x45\x64`#)\x1dS:"sv,
     "vm9_5pQPh02B3K526o0EO0bl3nd0YU0ro1Wl2a80s61Rh2fA1D73YM2"sv},
    {"yyyyyyyyyyyyyyyyyyyyyyyyyyyyy"sv,
     "\x13X\x15J0S\x12rUJPl\x13'&{Vp@za_bCsTRfMn,-i"sv,
     "vm9_7BM2b23U2HY12o0ZU2Xl02C3Cs1an0Ps0fe3gQ1oZ2Yi0Vm2FF1j1"sv},
    {"\x0e\x1f controls"sv,
     "fx\x5c\x19O'A.\x14O+\x16\x1e\x7fPpKc=7u_@aZC\x14\x16\x3fN"sv,
     "vm9_4mKir0d51WC3PG23W1E428u1Xn0Ug3NK3pe3Pf1cQ1340OW2"sv},
    {"Zwei & zwanzig {ok] 42"sv,
     "<d\x1d\x5c!)<V\x12P9]q\x1f\x5c\x63Vn=\x5cL\x15\x1dV7ny^V "sv,
     "vm9_5FZNh07d29D3Na02X0Ld3n83dg1am0Nd2V317a2Km2re2a90"sv},
    {"\x0e\x0f\x10\x11\x12\x13\x14\x15\x16\x17\x18\x19\x1a\x1b\x1c\x1d\x1e\x1f !\x22#$"
     "%&'()*+,-./0123456789:;<=>\x3f@ABCDEFGHIJKLMNOPQRSTUVWXYZ[\x5c]^_`abcdefghijklmn"
     "opqrstuvwxyz"sv,
     "8~!KU\x3f\x18^tpP\x0ezgW8k*\x1bq~L'PS\x0e\x0eZxh,[KC(.Te\x10\x33\x1eMd=\x14*&u30"
     "\x1d\x7f]!O@'`qLux33\x10.\x1eQ\x11phMSy\x1b\x35XCr\x1a\x62\x39OK+XUB2\x13\x46teL"
     "\x16'q+.XX5SCv6&\x1erx/@Z\x0e"sv,
     "vm9_2pBLu09U3ZO35e0pn0X00si1aL2kE26n3uV0CX2Y020c0rj0Fc1UQ3DG0Zh11I18V1hN13E0Cp1I"
     "H27u3d93WP2Cf2nV2pr2II31G08X11n2jV1Yr36J3bQ1o60gL1WU3Eb2ZQ2I21Sp0hV24C1nE3Gb0bJ1"
     "YQ3qK0C80or0GP2c00"sv},
    {"line 0 of the vectors"sv,
     "P6a\x1cJNl\x1d\x1a\x18tdF_B!(,^cPVCI\x11\x39S0X&"sv,
     "vm9_4SgXK0f72UW0l71650ph0Se1Q91DF0eg1Xa0QT31L3YH2bC0"sv},
    {"line 1 of the vectors"sv,
     "\x10iBLC\x17hHJ0G$:S\x13\x64#_\x15\x16^]\x0f>+\x1cL\x12HU"sv,
     "vm9_3mu1j1QV0Q43jT0UH0SB2MY12h2Ae3342ed10O2E72V20TZ1"sv},
    {"line 2 of the vectors"sv,
     "L^140\x1b.R^GRImj/Cj#\x13t]\x7fW=3\x22JQ-3"sv,
     "vm9_4uuVe0HJ2H61GY0eS1YT1lk2GQ3kA12p2du3aN3IA2UX1FI3"sv},
    {"line 3 of the vectors"sv,
     "FDD#7B\x0f\x0et2\x15T\x19\x46\x7f\x45v2\x1b\x13\x34%2ChXL\x1d>\x18"sv,
     "vm9_3tXSR0RA1KQ2002pI03Z25S2uR3qI0623JB1IQ1jb0V71O50"sv},
    {"line 4 of the vectors"sv,
     "\x19y\x5cP\x1a\x5c:\x13yA4-uJqFYC{Z!~{k\x17s@G7a"sv,
     "vm9_5tR5r3dX06d0M21rP3JF1pU2nS2bQ3sc29u2sk34o3PS1Kf3"sv},
    {"line 5 of the vectors"sv,
     "A\x1c%<\x19\x17\x1d`er3/S1p\x16\x1cis@YzJT .yaDy"sv,
     "vm9_5awP72BN25437f2ho2IG3YH3n407j1oP2bs2UZ09G0rf3Rr1"sv},
};

// Extended ciphertexts, for the lines the text cipher does not carry, and their printable forms,
// as the first build to write them wrote them: from a fresh random source and the clock above,
// one line after another through the line layer. Each must come again and read back.
inline const TextVector kExtendedVectors[] = {
    {"\x09"sv,
     "\x15R\x11\x16t\x12xQx\x15\x63\x13L]\x15zgH3%YmH),T~me\x19"sv,
     "vm9_5It3Y2142p20rX1r31g23Vd13s2iT2IB3bl3TD1FZ0ul1h53"sv},
    {"Caf\xc3\xa9 \xe2\x80\x94 \xe2\x80\x9c\x35 \xe2\x82\xac\xe2\x80\x9d\xe2\x80\xa6"sv,
     "LHC[SV]t>oi.1\x10>c\x17~$tbKX]E\x1as\x18.V"sv,
     "vm9_54FVT0Qc3Ya2dp2Om1jG2H12Og14u2Bp0gU1bd1R62o52Ga0"sv},
    {"\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82, \xe4\xb8\xad\xe6\x96\x87"sv,
     "\x14=LEt^c,v+o' &x,US\x1a#\x18\x7fxidbNkM\x0f"sv,
     "vm9_5JP3N1VR1pe0gF2qE1mC39C0rF0ZY36A15u1rj1hg0Wk1V03"sv},
    {"\xf0\x9f\x98\x80\xf0\x9f\x91\x8d\xf0\x9f\x8f\xbd} ~\x7f"sv,
     "V7*\x3f\x63\x15\x14_+\x22VqW!\x1emtZkMc\x0f\x62\x41\x11>%@Sz"sv,
     "vm9_50xaK1EO1g333e1EA2an1a938l1pc0kV3g03gP11O2BP2Ys2"sv},
    {"012345678901234567890123456789012345678901234567890123456789012345678901234567890123456"
     "7890123456789012345678901234567890123456789"sv,
     "aJ)h\x1cYnQY[\x0eX8y\x0eV\x18\x39J'n&L\x1d.o\x1d:)ApyK\x17#'Q\x0f\x0e\x42 {X\x1cm+@'+._"
     "h`nDA-~t\x18\x0fY0>]0N<Mk{\x17\x1aPe\x12u0_e\x0eJU@vQ`8\x13p'IFc KZ>8\x1e\x5c\x1c]pE]I6"
     "5-\x1dj\x12\x11KT.j4nr\x14R9z\x0fW\x19:K(o\x1dM\x1e/p\x1e~*Bq"sv,
     "vm9_5HPfU2Dj27b1mX1bc30b0Lr10a05L1UC1mC0V71Gm17M2DP3nr1U43AC3X030Q09s1b70lE3PC1EG2ej2fm"
     "0RP1Fu2p500b3HO0dH2WN0Vk3s436X0h22pH2eh30U0ZP2qX1fL02n2CT3Sg19U1cO0L80d70dn2Rd3TK2JF37k"
     "2211UZ2Gk0Jm0o30YL1s01a53MU1Dm17V38G1n80uE0Qn1"sv},
};

struct BinaryVector {
    std::string_view plainText;
    std::string_view cipherText;
};

// Encrypted after every text vector, by the same source.
inline const BinaryVector kBinaryVectors[] = {
    {""sv,
     "\x94\x82PPPPSSSSSSSSSSSSSSSSSSSSSSSS"sv},
    {"hello"sv,
     "*wPPPP\xfd+\xc9\x1c\xf9SSSSSSSSSSSSSSSSSSS"sv},
    {"\x00|\xfd|"sv,
     "W\xd7\x44\x31m\xa6SSSSSSSSSSSSSSSSSSSSSSSS"sv},
    {"Binary cipher over nearly the whole 8-bit range"sv,
     "\xccZPPPgU\xdc\x3fX\x09=\xb7\xfe@\x91&\x0e\xe3\x33\x45\xab\x14p\xb2\xf7\xc7G\x05"
     "\xa1~PRw\xb6\x15\xa2\x1a\x22\x14\x7fT\x07[\x8c\xc0\xe1\x44\xbe\xe6\xb5\xc5"sv},
    {"\x00\x07\x0e\x15\x1c#*18\x3f\x46MT[bipw~\x85\x8c\x93\x9a\xa1\xa8\xaf\xb6\xbd\xc4"
     "\xcb\xd2\xd9\xe0\xe7\xee\xf5\xfc\x05\x0c\x13\x1a!(/6=DKRY`gnu|\x83\x8a\x91\x98"
     "\x9f\xa6\xad\xb4\xbb\xc2\xc9\xd0\xd7\xde\xe5\xec\xf3\xfa\x03\x0a\x11\x18\x1f&-4;"
     "BIPW^elsz\x81\x88\x8f\x96\x9d\xa4\xab\xb2\xb9\xc0\xc7\xce\xd5\xdc\xe3\xea\xf1"
     "\xf8\x01\x08\x0f\x16\x1d$+29@GNU\x5c\x63jqx\x7f\x86\x8d\x94\x9b\xa2\xa9\xb0\xb7"
     "\xbe\xc5\xcc\xd3\xda\xe1\xe8\xef\xf6\xfd\x06\x0d\x14\x1b\x22)07>ELSZahov}\x84"
     "\x8b\x92\x99\xa0\xa7\xae\xb5\xbc\xc3\xca\xd1\xd8\xdf\xe6\xed\xf4\xfb\x04\x0b\x12"
     "\x19 '.5<CJQX_fmt{\x82\x89\x90\x97\x9e\xa5\xac\xb3\xba\xc1\xc8\xcf\xd6\xdd\xe4"
     "\xeb\xf2\xf9\x02\x09\x10\x17\x1e%,3:AHOV]dkry\x80\x87\x8e\x95\x9c\xa3\xaa\xb1"
     "\xb8\xbf\xc6\xcd\xd4\xdb\xe2\xe9"sv,
     "\x94\x80PPPP\x95u\x0a\x33S\x86\xb9\x92O\xf6>\xa5l\x85\x81\xb7\x93-h\xeb[cxQ7\x80"
     "\x1f{\x3fO\x01\x0fj\xfa\xc4\x88^Q\xb9%\xedgQ\x15K\xe0zU\xae\x84&\x8e\xde\xbc\xad"
     "\xf0\x92X[\xfe>FV\xffR\xaemV\xabk*'}\x8d\xd1\x0e\x81\x45\x98\xfdP\xd7j\x99\xeat"
     "\x83/\x0c+b\x1c\xfe\x38o\xff\x43X\x8a\x9b\x1f\xa1\x0a\x35\x22\xa8@\xdd\x0a\xb1"
     "\xda\x8d/\xd8\xa3\x1f\xe5\x14\x96\x32\x08\xcdU\x0e\x46\x05<\x16\xf4\x89\xb2\xd2"
     "\x07:\x13\xcew\xbd&\xeb\x06\x02\x38\x14\xac\xe7l\xda\xe2\xf7\xd0\xb6\x01\x9e\xfa"
     "\xbe\xce\x80\x8e\xe9{E\x09\xdd\xd0:\xa4n\xe6\xd0\x94\xca\x61\xf9\xd4/\x05\xa5"
     "\x0f_=.q\x13\xd7\xda\x7f\xbd\xc5\xd5\xfb\xd1/\xec\xd5,\xea\xa9\xa6\xfc\x0eR\x8d"
     "\x02\xc4\x19~\xcfX\xe9\x1ak\xf3\x04\xae\x8b\xaa\xe1\x9b\x7f\xb7\xee\xfb\xc2\xd7"
     "\x0b\x1c\x9e\x22\x89\xb4\xa1)\xbf^\x89\x32[\x0e\xaeY$\x9e\x66\x93\x17\xb1\x87N"
     "\xd4\x8d\xc5"sv},
};
// clang-format on

} // namespace vellum::testing
