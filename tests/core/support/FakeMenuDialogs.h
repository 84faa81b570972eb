#pragma once

#include "menus/MenuDialogs.h"

#include <deque>

namespace quorlex::test {

// Records what each dialog was opened with and answers from scripts (Cancel when empty).
class FakeMenuDialogs : public MenuDialogs {
public:
    std::optional<MenuItemFields> EditItem(const MenuItemFields& fields) override {
        itemOffers.push_back(fields);
        return Next(items);
    }
    std::optional<std::string> EditClassName(const std::string& text) override {
        classOffers.push_back(text);
        return Next(classNames);
    }
    std::optional<std::filesystem::path> AskOpenFile(const std::string& title,
                                                     const std::vector<std::string>&) override {
        openTitles.push_back(title);
        return Next(openPaths);
    }

    std::vector<MenuItemFields> itemOffers;
    std::deque<std::optional<MenuItemFields>> items;
    std::vector<std::string> classOffers;
    std::deque<std::optional<std::string>> classNames;
    std::vector<std::string> openTitles;
    std::deque<std::optional<std::filesystem::path>> openPaths;

private:
    template <typename T>
    static std::optional<T> Next(std::deque<std::optional<T>>& script) {
        if (script.empty())
            return std::nullopt;
        auto value = script.front();
        script.pop_front();
        return value;
    }
};

} // namespace quorlex::test
