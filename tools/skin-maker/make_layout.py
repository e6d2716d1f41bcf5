#!/usr/bin/env python3
"""Writes the default skin's layout files (data/skins/INI_EN, INI_CN).

The layout files are the source of the skin: the skin-maker draws every
picture from them. This script is how the default geometry was written; run
it again after changing the geometry here, then rebuild. English and Chinese
files share one geometry and differ only in their texts. The Chinese files are
UTF-16LE with a byte-order mark, the English ones UTF-8.
"""
import os
import sys

# index: (x, y, width, height, english, chinese)
MAIN = {
    # Header and footer (every page).
    0: (520, 552, 76, 32, "Save", "保存"),
    1: (58, 14, 140, 28, "VELTRIX K9", "VELTRIX K9"),
    2: (602, 552, 76, 32, "Hide", "隐藏"),
    3: (684, 552, 96, 32, "Apply", "应用"),
    4: (24, 552, 34, 32, "1", "1"),
    5: (64, 552, 34, 32, "2", "2"),
    6: (104, 552, 34, 32, "3", "3"),
    7: (144, 552, 34, 32, "4", "4"),
    8: (184, 552, 34, 32, "5", "5"),
    9: (230, 10, 112, 36, "Buttons", "按键"),
    10: (346, 10, 112, 36, "Advanced", "高级"),
    11: (462, 10, 112, 36, "Lighting", "灯光"),
    12: (736, 14, 24, 24, "", ""),
    13: (764, 14, 24, 24, "", ""),
    14: (250, 552, 76, 32, "Import", "导入"),
    15: (332, 552, 76, 32, "Export", "导出"),
    16: (414, 552, 76, 32, "Reset", "重置"),
    17: (644, 16, 40, 24, "中文", "中文"),
    18: (688, 16, 40, 24, "EN", "EN"),
    19: (612, 16, 24, 24, "", ""),
    # Main page.
    20: (274, 68, 288, 20, "BUTTON ASSIGNMENT", "按键设置"),
    21: (274, 344, 110, 20, "DPI LEVELS", "DPI档位"),
    22: (578, 68, 200, 20, "SCROLL WHEEL", "滚轮"),
    23: (24, 68, 230, 20, "DEVICE", "设备"),
    24: (24, 482, 230, 20, "K9 GAMING MOUSE", "K9 游戏鼠标"),
    39: (396, 344, 382, 20, "DPI step of each level", "各档位DPI"),
    40: (578, 156, 200, 20, "QUICK GUIDE", "使用提示"),
    41: (576, 92, 98, 30, "Standard", "标准"),
    42: (680, 92, 98, 30, "Reverse", "反向"),
    43: (576, 188, 202, 20, "Click a field to assign", "点击按键栏分配功能"),
    44: (576, 214, 202, 20, "Tick a level and pick DPI", "勾选档位并选择DPI"),
    45: (576, 240, 202, 20, "Apply writes the mouse", "点击应用写入鼠标"),
}
BUTTON_LABELS = [("Left", "左键"), ("Right", "右键"), ("Middle", "中键"), ("Forward", "前进"),
                 ("Back", "后退"), ("DPI Up", "DPI加"), ("DPI Down", "DPI减")]
for b, (en, cn) in enumerate(BUTTON_LABELS):
    y = 92 + 32 * b
    MAIN[25 + b] = (388, y, 176, 26, "", "")   # the program draws the function name
    MAIN[32 + b] = (274, y, 110, 26, en, cn)
for level in range(4):
    y = 372 + 36 * level
    MAIN[46 + level] = (276, y + 1, 22, 22, "", "")
    MAIN[50 + level] = (302, y, 58, 24, "Level %d" % (level + 1), "档位%d" % (level + 1))
    MAIN[54 + level] = (364, y, 26, 24, "", "")
    MAIN[58 + level] = (268, y, 4, 24, "", "")
    MAIN[62 + level] = (396 + 96 * level, 514, 94, 14, "", "")
    for step in range(12):
        MAIN[66 + 12 * level + step] = (396 + 32 * step, y, 30, 24, "", "")
MAIN[114] = (24, 92, 230, 384, "", "")
# The seven buttons on the mouse picture, in button order.
MAIN[115] = (66, 98, 63, 130, "", "")
MAIN[116] = (149, 98, 64, 130, "", "")
MAIN[117] = (131, 118, 16, 46, "", "")
MAIN[118] = (52, 238, 16, 40, "", "")
MAIN[119] = (52, 284, 16, 40, "", "")
MAIN[120] = (131, 172, 16, 20, "", "")
MAIN[121] = (131, 196, 16, 20, "", "")

FUNCTIONS = {
    1: ("Left Click", "左键"), 2: ("Right Click", "右键"), 3: ("Middle Click", "中键"),
    4: ("Back", "后退"), 5: ("Forward", "前进"), 6: ("DPI Cycle", "DPI循环"),
    7: ("Mouse Functions", "鼠标功能"), 8: ("Multimedia", "多媒体"), 9: ("My Macros", "自定义宏"),
    10: ("Preset Macros", "预设宏"),
    11: ("Rapid Fire", "连发"), 12: ("Scroll Up", "滚轮上"), 13: ("Scroll Down", "滚轮下"),
    14: ("Report Rate Switch", "回报率切换"), 15: ("DPI Down", "DPI减"), 16: ("DPI Up", "DPI加"),
    17: ("DPI Lock", "DPI锁定"), 18: ("Disabled", "禁用"), 19: ("Disabled", "禁用"), 20: ("Disabled", "禁用"),
    21: ("Home Page", "主页"), 22: ("Media Player", "媒体播放器"), 23: ("Email", "邮件"),
    24: ("Volume Up", "音量加"), 25: ("Volume Down", "音量减"), 26: ("Previous Track", "上一曲"),
    27: ("Next Track", "下一曲"), 28: ("Mute", "静音"), 29: ("Play/Pause", "播放/暂停"),
    30: ("Calculator", "计算器"),
    31: ("Copy", "复制"), 32: ("Paste", "粘贴"), 33: ("Undo", "撤销"), 34: ("Select All", "全选"),
    35: ("Double Click", "双击"), 36: ("Switch Window", "切换窗口"), 37: ("Show Desktop", "显示桌面"),
    38: ("Screenshot", "截屏"),
    39: ("Open Calculator", "打开计算器"), 40: ("Command Prompt", "命令提示符"),
    53: ("Disabled", "禁用"), 54: ("Disabled", "禁用"),
}
for m in range(12):
    FUNCTIONS[41 + m] = ("Macro %d" % (m + 1), "宏%d" % (m + 1))

COLOR = {
    0: (360, 96, 400, 46, "Slow Cycle", "慢速循环"),
    1: (360, 152, 400, 46, "Fast Cycle", "快速循环"),
    2: (360, 208, 400, 46, "Steady", "常亮"),
    3: (360, 264, 400, 46, "Off", "关闭"),
    4: (360, 336, 400, 108, "", ""),
    5: (360, 70, 400, 20, "LIGHTING MODE", "灯光模式"),
    6: (360, 346, 400, 20, "CURRENT DPI", "当前DPI"),
    7: (40, 70, 280, 20, "PREVIEW", "预览"),
    8: (360, 462, 400, 20, "The preview shows the applied mode", "预览显示已应用的模式"),
    9: (440, 374, 140, 44, "", ""),
    10: (586, 384, 40, 24, "DPI", "DPI"),
    11: (40, 96, 280, 420, "", ""),
    12: (360, 488, 400, 20, "Colour follows the DPI level", "颜色随当前DPI档位变化"),
}

ADVANCED = {
    0: (24, 462, 64, 32, "Load", "载入"),
    1: (94, 462, 64, 32, "Save", "保存"),
    2: (164, 462, 64, 32, "New", "新建"),
    3: (234, 462, 64, 32, "Delete", "删除"),
    4: (304, 462, 88, 32, "Record", "录制"),
    5: (334, 388, 58, 26, "Set", "确定"),
    6: (24, 422, 170, 28, "Repeat", "重复播放"),
    7: (206, 422, 186, 28, "Hold to repeat", "按住重复"),
    28: (420, 70, 356, 20, "POINTER SPEED", "指针速度"),
    29: (420, 150, 356, 20, "SCROLL SPEED", "滚轮速度"),
    30: (456, 264, 232, 16, "", ""),
    31: (696, 258, 28, 28, "+", "+"),
    32: (420, 258, 28, 28, "-", "-"),
    33: (728, 258, 52, 28, "50ms", "50ms"),
    38: (24, 66, 368, 20, "MACRO EDITOR", "宏编辑"),
    39: (24, 92, 170, 18, "Macros", "宏列表"),
    40: (206, 92, 186, 18, "Events", "事件"),
    41: (24, 388, 50, 26, "Name", "名称"),
    42: (206, 388, 66, 26, "Repeat", "次数"),
    43: (206, 356, 90, 20, "[↓]0", "[↓]0"),
    44: (302, 356, 90, 20, "[↑]0", "[↑]0"),
    45: (420, 232, 356, 20, "FIRE TIME", "连发间隔"),
    46: (420, 302, 356, 20, "REPORT RATE", "回报率"),
    47: (420, 204, 356, 16, "Lines per wheel notch", "每格滚动行数"),
    48: (420, 124, 60, 16, "Slow", "慢"),
    49: (716, 124, 60, 16, "Fast", "快"),
    50: (420, 370, 356, 18, "Changes take effect after Apply", "修改在应用后生效"),
    51: (420, 394, 356, 18, "Macros play back through the mouse", "宏通过鼠标回放"),
}
for i in range(10):
    ADVANCED[8 + i] = (420 + 36 * i, 94, 32, 28, str(i + 1), str(i + 1))
    ADVANCED[18 + i] = (420 + 36 * i, 174, 32, 28, str(i + 1), str(i + 1))
for i, rate in enumerate(["125Hz", "250Hz", "500Hz", "1000Hz"]):
    ADVANCED[34 + i] = (420 + 90 * i, 326, 84, 30, rate, rate)
CONTROLS = {
    ("EDIT", 3): (276, 388, 52, 26),       # repeat count box
    ("EDIT", 4): (78, 388, 116, 26),       # macro name box
    ("MACRODISPLAY", 1): (24, 112, 170, 236),  # macro list
    ("MACRODISPLAY", 2): (206, 112, 186, 236),  # event list
}

WARNING = {
    0: (40, 100, 120, 32, "Continue", "继续"),
    1: (180, 100, 120, 32, "Cancel", "取消"),
    2: (20, 24, 300, 60, "This may be your only left-click button", "此键可能是唯一的左键"),
}


def entry(name, index, rect, text):
    assert "," not in text, text
    x, y, w, h = rect
    return "%d=%s%d,%d,%d,%d,%d,%s,0" % (index, name, index, x, y, w, h, text)


def section(lines, title, table, name, language):
    lines.append("[%s]" % title)
    for index in sorted(table):
        x, y, w, h, en, cn = table[index]
        lines.append(entry(name, index, (x, y, w, h), en if language == "en" else cn))
    lines.append("")


def write(path, lines, language):
    text = "\r\n".join(lines) + "\r\n"
    data = text.encode("utf-8") if language == "en" else b"\xff\xfe" + text.encode("utf-16-le")
    with open(path, "wb") as f:
        f.write(data)


def main(root):
    for language, folder, suffix in (("en", "INI_EN", "_en"), ("cn", "INI_CN", "")):
        out = os.path.join(root, folder)
        os.makedirs(out, exist_ok=True)
        lines = ["; Main window: header, main page, mouse picture."]
        section(lines, "BUTTONPOS", MAIN, "m", language)
        lines.append("[FUN_STRING]")
        for code in range(1, 55):
            en, cn = FUNCTIONS[code]
            lines.append("%d=%s" % (code, en if language == "en" else cn))
        lines.append("")
        write(os.path.join(out, "skin_main%s.ini" % suffix), lines, language)

        lines = ["; Lighting page."]
        section(lines, "BUTTONPOS", COLOR, "c", language)
        write(os.path.join(out, "skin_color%s.ini" % suffix), lines, language)

        lines = ["; Advanced page and its four controls."]
        section(lines, "BUTTONPOS", ADVANCED, "a", language)
        for title in ("EDIT", "MACRODISPLAY"):
            lines.append("[%s]" % title)
            for (sec, key), rect in sorted(CONTROLS.items()):
                if sec == title:
                    lines.append(entry("ctl", key, rect, ""))
            lines.append("")
        write(os.path.join(out, "skin_advance%s.ini" % suffix), lines, language)

        lines = ["; Warning window."]
        section(lines, "BUTTONPOS", WARNING, "w", language)
        write(os.path.join(out, "LBWarning%s.ini" % suffix), lines, language)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "..", "data", "skins"))
