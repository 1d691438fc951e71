#include "frame/picture_store.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>
#include <utility>

#include "runtime/pictures.h"

namespace {
using Set = rt::ControlArray<rt::PictureBox> PictureStore::*;
using Box = rt::PictureBox PictureStore::*;

// Every member that holds a picture, by the name its pictures carry. Picture3 holds none.
struct Member {
    std::string_view name;
    Set set = nullptr;
    Box box = nullptr;
};
const Member kMembers[] = {
    {"picture1", &PictureStore::Picture1},
    {"picture2", &PictureStore::Picture2},
    {"picture4", &PictureStore::Picture4},
    {"picture5", &PictureStore::Picture5},
    {"picture6", &PictureStore::Picture6},
    {"picture7", &PictureStore::Picture7},
    {"picture8", &PictureStore::Picture8},
    {"picture9", &PictureStore::Picture9},
    {"picture10", &PictureStore::Picture10},
    {"picture11", &PictureStore::Picture11},
    {"picture12", &PictureStore::Picture12},
    {"picture13", nullptr, &PictureStore::Picture13},
    {"picture14", nullptr, &PictureStore::Picture14},
    {"picture15", &PictureStore::Picture15},
};

constexpr std::string_view kFolder = "form2/";

std::string file_name(std::string_view set, int index) {
    std::string name = std::string(kFolder) + std::string(set);
    if (index >= 0) name += "_" + std::to_string(index);
    return name;
}
}  // namespace

rt::PictureBox& PictureStore::element(std::string_view set, int index) {
    const auto m = std::ranges::find(kMembers, set, &Member::name);
    if (m == std::end(kMembers)) throw std::invalid_argument("the picture store has no set " + std::string(set));
    if (m->box) {
        if (index != -1) throw std::out_of_range(std::string(set) + " is a single picture, not a set");
        return this->*m->box;
    }
    rt::ControlArray<rt::PictureBox>& members = this->*m->set;
    if (index < 0 || index >= members.size())
        throw std::out_of_range("the picture store has no " + file_name(set, index));
    return members[index];
}

// Each carried picture goes to the member its name gives; a picture no member takes and a
// member left without a picture are both errors, so art and store cannot drift apart.
PictureStore::PictureStore() {
    for (std::string_view file : embedded_picture_names()) {
        if (!file.starts_with(kFolder)) continue;
        std::string_view name = file.substr(kFolder.size());
        int index = -1;
        if (const size_t cut = name.rfind('_'); cut != std::string_view::npos) {
            const auto [end, error] = std::from_chars(name.data() + cut + 1, name.data() + name.size(), index);
            if (error != std::errc() || end != name.data() + name.size())
                throw std::invalid_argument("the picture store cannot place " + std::string(file));
            name = name.substr(0, cut);
        }
        Image picture = embedded_picture(file);
        rt::PictureBox& box = element(name, index);
        box.place(0, 0, picture.width, picture.height);
        box.Visible = false;
        box.SetPicture(std::move(picture));
    }
    for (const Member& m : kMembers) {
        const int count = m.box ? 1 : (this->*m.set).size();
        for (int i = 0; i < count; ++i) {
            const int index = m.box ? -1 : i;
            if (element(m.name, index).Picture().empty())
                throw std::runtime_error("the program carries no picture " + file_name(m.name, index));
        }
    }
    Picture3.Visible = false;
}

void PictureStore::Form_QueryUnload(int16_t&, int16_t) {}
