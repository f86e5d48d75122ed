// COvConfigurationSourceControl: the source-control entry of the configuration file (system,
// repository address and account). Saved by updating its section element in place.
#pragma once

#include "core/ovstring.h"

class COvScriptTreeNode;

class COvConfigurationSourceControl {
 public:
  COvConfigurationSourceControl();
  COvConfigurationSourceControl(const COvConfigurationSourceControl& other);
  COvConfigurationSourceControl& operator=(const COvConfigurationSourceControl& other);
  virtual ~COvConfigurationSourceControl();

  const TOvString<char>& GetType() const { return m_strType; }
  const TOvString<char>& GetUrl() const { return m_strUrl; }
  const TOvString<char>& GetUserId() const { return m_strUserId; }
  const TOvString<char>& GetUserPwd() const { return m_strUserPwd; }
  void SetType(const TOvString<char>& type);
  void SetUrl(const TOvString<char>& url);
  void SetUserId(const TOvString<char>& userId);
  void SetUserPwd(const TOvString<char>& userPwd);

  // Reads the attributes using, url, username and password; a null node leaves the entry
  // unchanged.
  void Initialize(COvScriptTreeNode* node);
  // Updates the attributes of the section element in place (appending the missing ones); a
  // null node is ignored.
  void ToCOvScriptTreeNode(COvScriptTreeNode* node) const;
  // "Warnings : \n" and the missing fields; empty when complete.
  TOvString<char> WellFormed() const;

 private:
  TOvString<char> m_strType;
  TOvString<char> m_strUrl;
  TOvString<char> m_strUserId;
  TOvString<char> m_strUserPwd;
};
