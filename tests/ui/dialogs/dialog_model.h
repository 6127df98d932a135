#pragma once
// The model the dialogs' tests work on: the reference host's engine data (templates,
// groups, 46 categories and their texts) behind the engine plug, role and account
// managers, an accounts substitute and counting GUIDs.
#include <memory>

#include "engine/engine.h"
#include "model_host.h"
#include "parental/account_manager.h"
#include "parental/role_manager.h"
#include "parental/substitute_accounts.h"
#include "platform/ansi_code_page.h"
#include "support/counting_guids.h"

struct DialogModel {
  DialogModel() : roles(&host.engine), accounts(service) {}

  // Lets the engine answer from data changed by the test.
  void UseEngineData(const host::EngineData& data) {
    engine = std::make_unique<host::EngineSimulator>(data);
    host.engine.answer = [this](std::uint32_t code, const void* input, std::uint64_t inputSize, void* output,
                                std::uint64_t outputSize, std::uint64_t* returned) {
      return engine->Answer(code, input, inputSize, output, outputSize, returned);
    };
  }
  parental::core::RolePtr Role(const std::u16string& key) { return roles.GetRoles()->at(key).role; }

  ModelHost host;
  CountingGuids guids;
  parental::corvui::SubstituteAccounts service;
  parental::platform::Windows1252CodePage codePage;
  parental::corvui::CConfigManagerRole roles;
  parental::corvui::CConfigManagerAccount accounts;
  std::unique_ptr<host::EngineSimulator> engine;
};
