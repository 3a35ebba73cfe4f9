// The game's languages, as GET_CURRENT_LANGUAGE numbers them, and the file of texts in each.
//
// 0 is English, whose texts are Lang.dat itself. The others read "Lang.<code>.dat" over Lang.dat
// (a key the translation lacks keeps its English text): 1 fr, 2 de, 3 it, 4 es, 5 pt-BR, 6 pl,
// 7 ru, 8 ko, 9 zh-TW, 10 ja, 11 es-MX (Lang.es.dat when there is no Lang.es-MX.dat), 12 zh-CN.
// A number outside the list is taken as English.
#pragma once

#include <cstdint>
#include <string_view>

namespace bf {

// The code of a language ("de"); empty for English and unknown numbers.
std::string_view languageCode(int32_t gameLanguage);
// The code to try when the language's own file is missing ("es" for "es-MX"); empty for none.
std::string_view fallbackLanguageCode(int32_t gameLanguage);

}  // namespace bf
