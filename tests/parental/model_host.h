#pragma once
// An in-process host for the configuration model: the reference host's engine simulator
// behind the engine plug, its texts for string ids, and configuration submissions read by
// an XML parser of their own (pugixml natively, XmlLite on Windows) and applied to an
// in-memory registry mirror as the reference host applies them.
#include <string>
#include <vector>

#include "config/xml_tree.h"
#include "engine/engine.h"
#include "engine_plug.h"
#include "frame/test_host.h"
#include "platform/memory_registry.h"

class ModelHost {
 public:
  ModelHost();
  ~ModelHost();

  // Parses text with the independent parser; false when it is not well-formed.
  static bool ParseXml(const std::string& text, host::XmlElement& root);

  EnginePlug engine;
  parental::platform::MemoryRegistry registry;
  host::EngineData data;
  std::vector<std::uint32_t> textCapacities;  // of every text request, as asked
  std::vector<std::uint32_t> submittedSections;
  std::vector<std::string> submittedTexts;
  bool refuseSubmissions = false;

 private:
  std::int32_t Submission(std::uint32_t section, void* arg);

  TestHost host_;
  host::EngineSimulator* simulator_ = nullptr;
};
