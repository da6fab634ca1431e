#include "checks/ProblemText.h"

#include <utility>

ProblemText::ProblemText(const char* format, std::vector<ProblemText> arguments)
    : m_format(format), m_arguments(std::move(arguments))
{
}

ProblemText ProblemText::Plain(std::string text)
{
    ProblemText plain;
    plain.m_plain = std::move(text);
    return plain;
}

std::string ProblemText::Shown(const Translate& translate) const
{
    if (!m_format)
        return m_plain;
    const std::string format = translate ? translate(m_format) : std::string(m_format);
    std::string shown;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const bool place = format[i] == '{' && i + 2 < format.size() && format[i + 1] >= '0' && format[i + 1] <= '9' &&
                           format[i + 2] == '}';
        const auto index = place ? static_cast<std::size_t>(format[i + 1] - '0') : m_arguments.size();
        if (index < m_arguments.size()) {
            shown += m_arguments[index].Shown(translate);
            i += 2;
        } else {
            shown += format[i];
        }
    }
    return shown;
}

std::string ProblemText::English() const
{
    return Shown(nullptr);
}
