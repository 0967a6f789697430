#include "store/DataFileMessages.h"

namespace lymn::store::messages {

namespace {

std::string aboutFile(const std::string& text, const std::string& path) {
    return text + "\n数据文件：\"" + path + "\"";
}

std::string aboutFolder(const std::string& text, const std::string& path) {
    return text + "\n文件夹：\"" + path + "\"";
}

}  // namespace

std::string missing(const std::string& dataFile) {
    return aboutFile(
        "找不到数据文件。请重新安装本程序，或把程序附带的 lymn.mdb "
        "放回数据文件所在的文件夹后重新启动。",
        dataFile);
}

std::string notOurs(const std::string& dataFile) {
    return aboutFile(
        "这个文件不是本程序的数据文件。请重新安装本程序，或换回程序附带的 lymn.mdb 后重新启动。",
        dataFile);
}

std::string damaged(const std::string& dataFile) {
    return aboutFile(
        "数据文件已损坏，无法读取。请重新安装本程序，或换回程序附带的 lymn.mdb 后重新启动。",
        dataFile);
}

std::string noPermission(const std::string& dataFile) {
    return aboutFile("没有读写数据文件的权限。请检查这个文件和它所在文件夹的权限后重新启动。",
                     dataFile);
}

std::string heldByAnother(const std::string& dataFile) {
    return aboutFile("另一个正在运行的模拟器占用着数据文件。请关闭它后重新启动本程序。", dataFile);
}

std::string notPrepared(const std::string& dataFile) {
    return aboutFile(
        "数据文件没有准备好，可能是磁盘已满或上次启动被中断。请检查磁盘空间后重新启动。", dataFile);
}

std::string noConnection() {
    return "数据文件没有准备好，查不到角色数据。请按启动时的提示解决问题后重新启动本程序";
}

std::string unreadable(const std::string& dataFile) {
    return aboutFile(
        "数据文件里读不到角色数据，它可能已损坏或属于别的版本。请重新安装本程序，或换回程序附带的 "
        "lymn.mdb 后重新启动。",
        dataFile);
}

std::string noHome() {
    return "找不到你的主文件夹（环境变量 HOME 没有设置），无法建立数据文件夹，模拟器将不带数据运行";
}

std::string noFolder(const std::string& folder) {
    return aboutFolder(
        "无法建立本程序的数据文件夹，模拟器将不带数据运行。请检查主文件夹是否存在、能否写入。",
        folder);
}

std::string noShipped(const std::string& shippedFile) {
    return aboutFile("找不到随程序安装的数据文件，模拟器将不带数据运行。请重新安装本程序。",
                     shippedFile);
}

std::string copyFailed(const std::string& folder) {
    return aboutFolder(
        "无法把随程序安装的数据文件复制到数据文件夹，模拟器将不带数据运行。请检查磁盘空间和这个文件"
        "夹能否写入。",
        folder);
}

}  // namespace lymn::store::messages
