#pragma once
#include <string_view>
#include <vector>

#include "runtime/image.h"

// The pictures carried inside the program, by their name under assets/pictures
// ("form2/picture1_3"), decoded afresh on each call: each is wanted once, by the box or
// screen that keeps it, and a second copy kept here would only take memory. A missing
// picture is an empty image.
Image embedded_picture(std::string_view name);
// Every carried picture's name.
std::vector<std::string_view> embedded_picture_names();
