#pragma once

namespace skarvel {

// Puts the compiled-in Dutch and French catalogues behind Tr and starts in the language of the
// system's locale (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), English when it names none of the
// three. Call once at start-up, before the first text is made.
void UseCompiledTranslations();

}  // namespace skarvel
