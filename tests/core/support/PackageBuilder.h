#pragma once

#include "support/TestFolder.h"

#include <string>
#include <vector>

namespace quorlex::test {

// XML of the package table shape: <root><list><item>...</item>...</list></root>, each item
// given as its inner elements.
std::string TableXml(const std::vector<std::string>& items);

// A program folder with templates/templates.tps and one small but complete package "pkg":
// one stylesheet, two colors, a font, an image, a layout with two options and a menu.
void WriteSmallPackage(const TestFolder& app, const std::string& folder = "pkg");

} // namespace quorlex::test
