#include "cli/page_json.h"

#include "cli/json_float.h"
#include "output/graph.h"
#include "output/header.h"
#include "output/page_layout.h"
#include "output/tabell.h"
#include "output/text_item.h"

namespace kav::cli {
namespace {

const char* KindName(ItemKind kind) {
  switch (kind) {
    case ItemKind::Header:
      return "header";
    case ItemKind::Footer:
      return "footer";
    case ItemKind::Table:
      return "table";
    case ItemKind::Graph:
      return "graph";
    case ItemKind::Text:
      return "text";
  }
  return "";
}

// A float as the shortest decimal that reads back to it; null when it is not
// finite.
nlohmann::json FloatJson(float value) {
  if (!std::isfinite(value)) return nullptr;
  return ShortestDouble(value);
}

nlohmann::json ItemJson(const CGraphicsItem& item) {
  nlohmann::json json;
  json["kind"] = KindName(item.Kind());
  json["left_mm"] = FloatJson(DeviceToMmX(item.Rect.left));
  json["top_mm"] = FloatJson(DeviceToMmY(item.Rect.top));
  json["right_mm"] = FloatJson(DeviceToMmX(item.Rect.right));
  json["bottom_mm"] = FloatJson(DeviceToMmY(item.Rect.bottom));
  json["help"] = item.HelpTopic;
  switch (item.Kind()) {
    case ItemKind::Header: {
      const auto& header = static_cast<const CHeader&>(item);
      json["lines"] = header.Lines();
      break;
    }
    case ItemKind::Table: {
      const auto& table = static_cast<const CTabell&>(item);
      json["headings"] = table.Headings();
      json["rows"] = table.Rows();
      json["highlight_row"] = table.HighlightRow;
      break;
    }
    case ItemKind::Graph: {
      const auto& graph = static_cast<const CGraph&>(item);
      json["title"] = graph.Title();
      json["x_label"] = graph.XAxisLabel();
      json["y_label"] = graph.YAxisLabel();
      nlohmann::json curves = nlohmann::json::array();
      for (int i = 0; i < graph.CurveCount(); ++i) {
        const CKurve& curve = graph.Curve(i);
        nlohmann::json points = nlohmann::json::array();
        const auto& xs = curve.XValues();
        const auto& ys = curve.YValues();
        for (std::size_t k = 0; k < xs.size() && k < ys.size(); ++k) {
          points.push_back({FloatJson(xs[k]), FloatJson(ys[k])});
        }
        curves.push_back({{"name", curve.Name}, {"points", points}});
      }
      json["curves"] = curves;
      break;
    }
    case ItemKind::Text: {
      const auto& text = static_cast<const CText&>(item);
      json["title"] = text.Title();
      json["lines"] = text.Lines();
      break;
    }
    case ItemKind::Footer:
      break;
  }
  return json;
}

}  // namespace

nlohmann::json CurrentPageJson(int page, const std::string& title) {
  nlohmann::json items = nlohmann::json::array();
  for (const CGraphicsItem* item : CurrentPageList()) items.push_back(ItemJson(*item));
  return {{"page", page}, {"title", title}, {"items", items}};
}

nlohmann::json ResultsJson(const ResultValues& results) {
  nlohmann::json json = nlohmann::json::object();
  for (const ResultValue& v : results.values) {
    json[v.name] = {{"value", FloatJson(v.value)}, {"unit", v.unit}};
  }
  for (const ResultList& list : results.lists) {
    nlohmann::json records = nlohmann::json::array();
    for (const ResultValues& record : list.records) records.push_back(ResultsJson(record));
    json[list.name] = records;
  }
  return json;
}

}  // namespace kav::cli
