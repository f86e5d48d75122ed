// COvConfigurationDistribution: one distribution configuration of the configuration file (its
// kind and, for Steam, the upload settings), read from and written back as a `distrib` element.
#pragma once

#include "core/ovstring.h"

class COvScriptTreeNode;

class COvConfigurationDistribution {
 public:
  COvConfigurationDistribution();
  COvConfigurationDistribution(const COvConfigurationDistribution& other);
  COvConfigurationDistribution& operator=(const COvConfigurationDistribution& other);
  virtual ~COvConfigurationDistribution();

  TOvString<char> GetName() const { return m_strName; }
  TOvString<char> GetDistribution() const { return m_strDistribution; }
  TOvString<char> GetSteamBuildersPath() const { return m_strSteamBuildersPath; }
  TOvString<char> GetSteamAccount() const { return m_strSteamAccount; }
  TOvString<char> GetSteamPassword() const { return m_strSteamPassword; }
  TOvString<char> GetAppID() const { return m_strAppID; }
  TOvString<char> GetDesc() const { return m_strDesc; }
  TOvString<char> GetDepotID() const { return m_strDepotID; }

  void SetName(TOvString<char> name);
  void SetDistribution(TOvString<char> distribution);
  void SetSteamBuildersPath(TOvString<char> path);
  // Blanks become underscores.
  void SetSteamAccount(TOvString<char> account);
  void SetSteamPassword(TOvString<char> password);
  void SetAppID(TOvString<char> appId);
  void SetDesc(TOvString<char> desc);
  void SetDepotID(TOvString<char> depotId);

  // True only for a "Steam" distribution and the platforms "Windows", "Linux" and "Mac"
  // (case-sensitive).
  bool IsCompatibleWith(TOvString<char> platform) const;

  // Reads the entry from its element; Steam fields without a child element keep their value.
  // A null node leaves the entry unchanged.
  void Initialize(COvScriptTreeNode* node);
  // A new `distrib` element with the six Steam children; the caller owns it.
  COvScriptTreeNode* ToCOvScriptTreeNode() const;
  // Warning text listing the missing fields; empty when the entry is complete.
  TOvString<char> WellFormed() const;

 private:
  TOvString<char> m_strName;
  TOvString<char> m_strDistribution;
  TOvString<char> m_strSteamBuildersPath;
  TOvString<char> m_strSteamAccount;
  TOvString<char> m_strSteamPassword;
  TOvString<char> m_strAppID;
  TOvString<char> m_strDesc;
  TOvString<char> m_strDepotID;
};
