#pragma once

#include <functional>
#include <string>
#include <vector>

// Marks an English text of the checker for the catalogs without translating it here: the core
// knows no toolkit, the places that show the text translate it.
#ifndef N_
#define N_(text) (text)
#endif

// A message of the checker: an English text marked with N_, whose places {0}, {1}, ... take its
// arguments, each a plain text (a number, a path, a reason) or a message of its own. Shown in
// the language of whoever shows it.
class ProblemText {
public:
    // The text of an English message in the language to show; the message itself by default.
    using Translate = std::function<std::string(const char* english)>;

    ProblemText() = default;
    // `format` is a marked literal: it is kept by address.
    ProblemText(const char* format, std::vector<ProblemText> arguments = {});
    static ProblemText Plain(std::string text);

    std::string Shown(const Translate& translate) const;
    std::string English() const;

private:
    const char* m_format = nullptr;
    std::string m_plain;
    std::vector<ProblemText> m_arguments;
};
