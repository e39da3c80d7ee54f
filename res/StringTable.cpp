#include "res/StringTable.h"

#include "res/Resource.h"

const char* LoadResString(unsigned id)
{
    switch (id) {
    case IDS_NOT_OPENED: return "動画ファイルが開かれていません。";
    case IDS_CREATE_FAILED: return "ファイルの作成に失敗しました。";
    case IDS_READ_FAILED: return "フレーム情報の取得に失敗しました。";
    case IDS_EXPORT_DONE: return "フレーム情報の出力は正常に終了しました。";
    default: return nullptr;
    }
}
