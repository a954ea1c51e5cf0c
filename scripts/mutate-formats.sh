#!/usr/bin/env bash
# The stored formats' mutation check: each one-line change below, to a table, a bound or a rule of
# a format that stored ciphertexts depend on, is made in a copy of the tree, rebuilt and run
# against the quick tests, which must fail. Prints the mutants that survive and a count.
#   scripts/mutate-formats.sh [WORK-DIR]
set -euo pipefail
source_tree=$(cd "$(dirname "$0")/.." && pwd)
work=${1:-$(mktemp -d)}
mkdir -p "$work/tree"
tar -C "$source_tree" --exclude='./build*' --exclude=./.git -cf - . | tar -C "$work/tree" -xf -
cd "$work/tree"

# FILE ~> TEXT ~> REPLACEMENT: the first TEXT in FILE, taken literally, becomes REPLACEMENT.
mutants=(
    'text/Units.cpp ~> {0x0000, 0x0008} ~> {0x0000, 0x0009}'
    'text/Units.cpp ~> {0x000A, 0x001F} ~> {0x000B, 0x001F}'
    'text/Units.cpp ~> {0x000A, 0x001F} ~> {0x000A, 0x001E}'
    'text/Units.cpp ~> {0x007F, 0x017F} ~> {0x0080, 0x017F}'
    'text/Units.cpp ~> {0x007F, 0x017F} ~> {0x007F, 0x017E}'
    'text/Units.cpp ~> {0x0370, 0x04FF} ~> {0x0371, 0x04FF}'
    'text/Units.cpp ~> {0x0370, 0x04FF} ~> {0x0370, 0x04FE}'
    'text/Units.cpp ~> {0x2000, 0x204F} ~> {0x2001, 0x204F}'
    'text/Units.cpp ~> {0x2000, 0x204F} ~> {0x2000, 0x2050}'
    'text/Units.cpp ~> {0x20AC, 0x20AC} ~> {0x20AC, 0x20AD}'
    'text/Units.cpp ~> {0x20AC, 0x20AC} ~> {0x20AB, 0x20AC}'
    'text/Units.cpp ~> kFirstSingle = 0x20 ~> kFirstSingle = 0x21'
    'text/Units.cpp ~> kLastSingle = 0x7E ~> kLastSingle = 0x7D'
    'text/Units.cpp ~> kTabUnit = 95 ~> kTabUnit = 110'
    'text/Units.cpp ~> kFirstPairLead = 96 ~> kFirstPairLead = 97'
    'text/Units.cpp ~> kFirstTripleLead = 103 ~> kFirstTripleLead = 104'
    'text/Units.cpp ~> kQuadLead = 109 ~> kQuadLead = 108'
    'text/Units.cpp ~> if (lead > kQuadLead) ~> if (lead >= kQuadLead)'
    'text/Units.cpp ~> character > 0xDFFF ~> character > 0xDFFE'
    'text/Units.cpp ~> return character <= kLastCharacter ~> return character < kLastCharacter'
    'text/Units.h ~> kUnitValues = 111 ~> kUnitValues = 110'
    'text/ExtendedCipher.cpp ~> kSaysExtended = 110 ~> kSaysExtended = 109'
    'text/ExtendedCipher.cpp ~> kLongestCount = 9 ~> kLongestCount = 8'
    'text/ExtendedCipher.cpp ~> digits < 1 ~> digits < 0'
    'text/ExtendedCipher.cpp ~> int check = digits; ~> int check = 0;'
    'text/ExtendedCipher.cpp ~> int check = static_cast<int>(digits.size()); ~> int check = 0;'
    'text/ExtendedCipher.cpp ~> static_cast<char>(check % kUnitValues) ~> static_cast<char>(check % 110)'
    'text/ExtendedCipher.cpp ~> digits.insert(digits.begin(),  ~> digits.push_back('
    'text/ExtendedCipher.cpp ~> kUnitCodeOffset = 14 ~> kUnitCodeOffset = 15'
    'text/ExtendedCipher.cpp ~> kLastKeyPosition = 81 ~> kLastKeyPosition = 80'
    'text/ExtendedCipher.cpp ~> kLastKeyPosition = 81 ~> kLastKeyPosition = 82'
    'text/PrintableForm.cpp ~> kCheckModulus = 65521 ~> kCheckModulus = 65519'
    'text/PrintableForm.cpp ~> unsigned long long check = data.size(); ~> unsigned long long check = 0;'
    'text/PrintableForm.cpp ~> check += place * valueOf ~> check += (place + 1) * valueOf'
    'text/PrintableForm.cpp ~> "0123456789ABCDEFGHIJ ~> "0123456789BACDEFGHIJ'
    'text/PrintableForm.cpp ~> kLowestCode = 14 ~> kLowestCode = 13'
    'text/PrintableForm.cpp ~> kHighestPairRest = 3 ~> kHighestPairRest = 2'
    'text/PrintableForm.cpp ~> kHighestLastRest = 1 ~> kHighestLastRest = 2'
    'text/PrintableForm.cpp ~> 2 * (first % 2) + second % 2 ~> 2 * (second % 2) + first % 2'
    'text/PrintableForm.h ~> kPrintablePrefix = "vm9_" ~> kPrintablePrefix = "vm8_"'
    'component/KeyTables.cpp ~> BAh^KYf_ ~> ABh^KYf_'
    'component/KeyTables.cpp ~> "M\037x w{qSrCu6" ~> "M\037x w{qSrCu7"'
    'component/KeyTables.cpp ~>                       34, ~>                       123,'
    'component/KeyTables.cpp ~> x\304$\361 ~> x\304$\362'
    'component/Scramble.h ~> .originals = "|;", ~> .originals = ";|",'
    'component/Scramble.h ~> .keySpan = 80.0F, ~> .keySpan = 79.0F,'
    'component/Scramble.h ~> kShortestCipherText = 30 ~> kShortestCipherText = 29'
    "component/Scramble.h ~> .padFiller = 'P', ~> .padFiller = 'Q',"
    'component/Cipher.h ~> DrawScaled(random, 111.0F, 14.0F) ~> DrawScaled(random, 110.0F, 14.0F)'
    'component/Scramble.cpp ~> static_cast<int>(m_cipherText.size()) + 1 ~> static_cast<int>(m_cipherText.size()) + 2'
    'component/Scramble.cpp ~> key.get() % 8), format.padFiller ~> key.get() % 7), format.padFiller'
    'component/Scramble.cpp ~> return length < -1 ? ~> return length < 0 ?'
    'component/Cipher.cpp ~> second < 10 ? 10 : 100 ~> second < 9 ? 10 : 100'
    'component/Cipher.cpp ~> clock.Now().month; ~> clock.Now().day;'
)

echo "==> Building the quick tests once in $work/build"
cmake -S . -B "$work/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELLUM_WINDOW=OFF >/dev/null
cmake --build "$work/build" --parallel "$(nproc)" >/dev/null
survivors=0
for mutant in "${mutants[@]}"; do
    file=${mutant%% ~> *}
    rest=${mutant#* ~> }
    export VELLUM_FROM=${rest%% ~> *} VELLUM_TO=${rest#* ~> }
    cp "$file" "$work/original"
    python3 -c 'import os, sys; path = sys.argv[1]; text = open(path).read()
from_, to = os.environ["VELLUM_FROM"], os.environ["VELLUM_TO"]
if from_ not in text: sys.exit("mutant not applied, the text is gone: " + path + ": " + from_)
open(path, "w").write(text.replace(from_, to, 1))' "$file"
    if cmake --build "$work/build" --parallel "$(nproc)" >/dev/null 2>&1 &&
        ctest --test-dir "$work/build" --parallel "$(nproc)" >/dev/null 2>&1; then
        echo "SURVIVED: $file: $VELLUM_FROM -> $VELLUM_TO"
        survivors=$((survivors + 1))
    fi
    cp "$work/original" "$file"
done
echo "${#mutants[@]} mutants, $((${#mutants[@]} - survivors)) killed, $survivors survived"
