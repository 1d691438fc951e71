#include "frame/picture_store.h"

#include <string>

#include "runtime/pictures.h"

namespace {
std::string file_name(const StoredPicture& p) {
    std::string name = std::string("form2/") + p.set;
    if (p.index >= 0) name += "_" + std::to_string(p.index);
    return name;
}
}  // namespace

const std::vector<StoredPicture>& stored_pictures() {
    static const std::vector<StoredPicture> all = [] {
        std::vector<StoredPicture> list;
        auto set = [&](const char* name, int count, int w, int h) {
            for (int i = 0; i < count; ++i) list.push_back({name, i, w, h});
        };
        set("picture1", 13, 32, 32);
        set("picture2", 2, 416, 32);
        set("picture4", 10, 32, 32);
        set("picture5", 10, 32, 32);
        set("picture6", 2, 64, 32);
        set("picture7", 4, 32, 32);
        set("picture8", 3, 32, 32);
        for (int i = 0; i < 50; ++i) {
            const int size = i >= 10 && i < 20 ? 26 : 22;  // the score digits are larger
            list.push_back({"picture9", i, size, size});
        }
        set("picture10", 10, 22, 22);
        set("picture11", 2, 32, 32);
        set("picture12", 5, 22, 22);
        list.push_back({"picture13", -1, 32, 416});
        list.push_back({"picture14", -1, 104, 30});
        set("picture15", 2, 192, 75);
        return list;
    }();
    return all;
}

PictureStore::PictureStore() {
    auto box = [this](const StoredPicture& p) -> rt::PictureBox& {
        const std::string set = p.set;
        if (set == "picture1") return Picture1[p.index];
        if (set == "picture2") return Picture2[p.index];
        if (set == "picture4") return Picture4[p.index];
        if (set == "picture5") return Picture5[p.index];
        if (set == "picture6") return Picture6[p.index];
        if (set == "picture7") return Picture7[p.index];
        if (set == "picture8") return Picture8[p.index];
        if (set == "picture9") return Picture9[p.index];
        if (set == "picture10") return Picture10[p.index];
        if (set == "picture11") return Picture11[p.index];
        if (set == "picture12") return Picture12[p.index];
        if (set == "picture13") return Picture13;
        if (set == "picture14") return Picture14;
        return Picture15[p.index];
    };
    for (const StoredPicture& p : stored_pictures()) {
        rt::PictureBox& element = box(p);
        element.place(0, 0, p.width, p.height);
        element.Visible = false;
        element.SetPicture(embedded_picture(file_name(p)));
    }
    Picture3.Visible = false;
}

void PictureStore::Form_QueryUnload(int16_t&, int16_t) {}
