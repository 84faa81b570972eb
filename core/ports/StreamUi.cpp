#include "ports/StreamUi.h"

namespace quorlex {

void StreamUi::Write(const std::string& text) {
    std::string line(text);
    for (size_t at = 0; (at = line.find("\r\n", at)) != std::string::npos;)
        line.erase(at, 1);
    m_out << line << '\n';
}

void StreamUi::Inform(const std::string& text) { Write(text); }

void StreamUi::ShowError(const std::string& text) {
    ++m_errors;
    // Messages that begin with the word already are not given it twice.
    Write(text.rfind("Error", 0) == 0 ? text : "Error: " + text);
}

Answer StreamUi::Confirm(const std::string& question) {
    Write(question + " -- answered No");
    return Answer::No;
}

} // namespace quorlex
