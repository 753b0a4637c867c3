// Checking a result against the function: a minimal form must have exactly the function's
// minterms. Used by `vyn-cli --verify`, the tests and the fuzzers.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vyn {

// The distinct minterm numbers of a function accepted by SprawdzFunkcje, sorted, worked out
// straight from its text (independently of the canonical stage). With a don't-care part these
// are the required minterms that are not don't-cares.
std::vector<std::uint32_t> MintermyFunkcji(std::string_view funkcja, bool trybDziesietny,
                                           std::string_view kodowanie);

// The distinct don't-care minterms of such a text, sorted; empty without a don't-care part.
std::vector<std::uint32_t> ObojetneFunkcji(std::string_view funkcja, bool trybDziesietny,
                                           std::string_view kodowanie);

// Nothing when the form (terms joined by "+", or "1") has exactly the given sorted minterms
// over the encoding; otherwise what is wrong, e.g. a minterm it misses or adds.
std::optional<std::string> SprawdzPostac(std::string_view postac, std::string_view kodowanie,
                                         const std::vector<std::uint32_t>& mintermy);

// The same with don't-cares (sorted): the form must be 1 on every required minterm and 0
// outside the required and don't-care minterms; on a don't-care it may be either.
std::optional<std::string> SprawdzPostac(std::string_view postac, std::string_view kodowanie,
                                         const std::vector<std::uint32_t>& mintermy,
                                         const std::vector<std::uint32_t>& obojetne);

} // namespace vyn
