#include "ports/StreamUi.h"

#include <cstdlib>
#include <iostream>
#include <termios.h>
#include <unistd.h>

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

std::optional<std::string> StreamUi::AskSecret(const std::string& prompt) {
    if (const char* given = std::getenv("QUORLEX_PUBLISH_PASSWORD"))
        return std::string(given);
    if (!isatty(STDIN_FILENO)) {
        ShowError(prompt + " There is no terminal to ask on; set QUORLEX_PUBLISH_PASSWORD.");
        return std::nullopt;
    }
    m_out << prompt << ' ' << std::flush;
    termios before{};
    tcgetattr(STDIN_FILENO, &before);
    termios silent = before;
    silent.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSANOW, &silent);
    std::string secret;
    const bool typed = static_cast<bool>(std::getline(std::cin, secret));
    tcsetattr(STDIN_FILENO, TCSANOW, &before);
    m_out << '\n';
    return typed ? std::optional<std::string>(secret) : std::nullopt;
}

} // namespace quorlex
