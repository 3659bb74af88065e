// The 21 game groups of the macro library and their names in the menu, caption and list.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "core/i18n/pair_language.h"

namespace kx90 {

inline constexpr uint32_t kMacroGroupCount = 21;
// The user's own group; every macro page starts on it.
inline constexpr uint32_t kCustomMacroGroup = 21;

// Three places show a group's name and spell a few of them differently: the group menu of the
// macro page, the caption of its group button after a choice, and the group list of the macro
// choice. The trailing blanks and the spelling of group 21 are the program's own.
struct MacroGroupNames {
    std::u16string_view chineseMenu;
    std::u16string_view chineseCaption;
    std::u16string_view chineseList;
    std::u16string_view englishMenu;
    std::u16string_view englishCaption;
    std::u16string_view englishList;
};

// Row g - 1 is group g.
inline constexpr std::array<MacroGroupNames, kMacroGroupCount> kMacroGroups{{
    {u"战地 3 ", u"战地 3", u"战地 3",  // 1
     u"Battlefield 3 ", u"Battlefield 3", u"Battlefield 3"},
    {u"星球大战:旧共和国", u"星球大战:旧共和国", u"星球大战:旧共和国",  // 2
     u"Star Wars: The Old Republic", u"Star Wars: The Old Republic", u"Star Wars: The Old Republic"},
    {u"反恐精英:全球攻势", u"反恐精英:全球攻势", u"反恐精英:全球攻势",  // 3
     u"Counter-Strike: Global Offensive", u"Counter-Strike: Global Offensive",
     u"Counter-Strike: Global Offensive"},
    {u"上古卷轴5：天际", u"上古卷轴5：天际", u"上古卷轴5：天际",  // 4
     u"Elder Scrolls V: Skyrim", u"Elder Scrolls V: Skyrim", u"Elder Scrolls V: Skyrim"},
    {u"军团要塞2", u"军团要塞 2", u"军团要塞 2",  // 5
     u"Team Fortress 2", u"Team Fortress 2", u"Team Fortress 2"},
    {u"蝙蝠侠：阿甘之城", u"蝙蝠侠：阿甘之城", u"蝙蝠侠：阿甘之城",  // 6
     u"Batman Arkham City", u"Batman Arkham City", u"Batman Arkham City"},
    {u"文明 5 ", u"文明 5 ", u"文明 5 ",  // 7
     u"Civilization 5 ", u"Civilization 5 ", u"Civilization 5 "},
    {u"坦克世界", u"坦克世界", u"坦克世界",  // 8
     u"World of Tanks", u"World of Tanks", u"World of Tanks"},
    {u"无主之地 2", u"无主之地 2", u"无主之地 2",  // 9
     u"Borderlands 2", u"Borderlands 2", u"Borderlands 2"},
    {u"纪元 2070：雷诺起源", u"纪元 2070：雷诺起源", u"纪元 2070：雷诺起源",  // 10
     u"Anno 2070", u"Anno 2070", u"Anno 2070"},
    {u"英雄联盟(LOL)", u"英雄联盟(LOL)", u"英雄联盟(LOL)",  // 11
     u"League of Legends", u"League of Legends", u"League of Legends"},
    {u"足球经理 2013 (EA)", u"足球经理 2013 (EA)", u"足球经理 2013 (EA)",  // 12
     u"Football Manager 2013 (EA)", u"Football Manager 2013 (EA)", u"Football Manager 2013 (EA)"},
    {u"远古遗迹守卫2（Dota 2） ", u"远古遗迹守卫2（Dota 2）", u"远古遗迹守卫2（Dota 2） ",  // 13
     u"Dota 2 ", u"Dota 2 ", u"Dota 2 "},
    {u"战地 4", u"战地 4", u"战地 4",  // 14
     u"Battlefield 4", u"Battlefield 4", u"Battlefield 4"},
    {u"战机世界", u"战机世界", u"战机世界",  // 15
     u"World of Warplanes", u"World of Warplanes", u"World of Warplanes"},
    {u"足球经理 2013 (SEGA)", u"足球经理 2013 (SEGA)", u"足球经理 2013 (SEGA)",  // 16
     u"Football Manager 2013 (SEGA)", u"Football Manager 2013 (SEGA)", u"Football Manager 2013 (SEGA)"},
    {u"我的世界", u"我的世界", u"我的世界",  // 17
     u"Minecraft", u"Minecraft", u"Minecraft"},
    {u"无冬之夜", u"无冬之夜", u"无冬之夜",  // 18
     u"Neverwinter", u"Neverwinter", u"Neverwinter"},
    {u"流亡黯道", u"流亡黯道", u"流亡黯道",  // 19
     u"Path of Exile", u"Path of Exile", u"Path of Exile"},
    {u"战争雷霆", u"战争雷霆", u"战争雷霆",  // 20
     u"War Thunder", u"War Thunder", u"War Thunder"},
    {u"玩家自定义", u"玩家自定义", u"玩家自定义",  // 21
     u"Customize", u"Customisze", u"Customisze"},
}};

// The names in the given language; empty for a group outside 1 to 21.
std::u16string_view GroupMenuName(uint32_t group, PairLanguage language);
std::u16string_view GroupCaption(uint32_t group, PairLanguage language);
std::u16string_view GroupListName(uint32_t group, PairLanguage language);

}  // namespace kx90
