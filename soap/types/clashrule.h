// Clash-rule service: rules for clash checks.

//gsoap CLASHRULE service name: VXClashRuleWebServiceSoapBinding
//gsoap CLASHRULE service type: VXClashRuleWebService
//gsoap CLASHRULE service namespace: http://clash.ws.ruvu/
//gsoap CLASHRULE service location: http://localhost:8080/RUVU/webservice/clash/VXClashRuleWebService
//gsoap CLASHRULE service method-style: document
//gsoap CLASHRULE service method-encoding: literal
//gsoap CLASHRULE service method-action: listClashRules ""
//gsoap CLASHRULE service method-action: editClashRule ""
//gsoap CLASHRULE service method-action: cloneClashRule ""
//gsoap CLASHRULE service method-action: renameClashRule ""
//gsoap CLASHRULE service method-action: removeClashRule ""
//gsoap CLASHRULE service method-action: addClashRule ""
//gsoap CLASHRULE schema form: unqualified

#import "builtins.h"

class CLASHRULE__listClashRules
{
  public:
    struct soap *soap;
};

class CLASHRULE__moxFileAttribute
{
  public:
    std::string *md5;
    xsd__long *size;
    std::string *uuid;
    struct soap *soap;
};

class CLASHRULE__clashRule
{
  public:
    xsd__boolean *isDefaultRule;
    CLASHRULE__moxFileAttribute *ruleFile;
    std::string *ruleId;
    std::string *ruleName;
    struct soap *soap;
};

class CLASHRULE__listClashRulesResponse
{
  public:
    std::vector<CLASHRULE__clashRule *> return_;
    struct soap *soap;
};

class CLASHRULE__clashRule4Edit
{
  public:
    CLASHRULE__moxFileAttribute *ruleFile;
    std::string *ruleId;
    std::string *ruleName;
    struct soap *soap;
};

class CLASHRULE__editClashRule
{
  public:
    CLASHRULE__clashRule4Edit *clashRule;
    struct soap *soap;
};

class CLASHRULE__editClashRuleResponse
{
  public:
    struct soap *soap;
};

class CLASHRULE__renameClashRule
{
  public:
    std::string *ruleId;
    std::string *newName;
    struct soap *soap;
};

class CLASHRULE__renameClashRuleResponse
{
  public:
    struct soap *soap;
};

class CLASHRULE__cloneClashRule
{
  public:
    std::string *beClonedRuleId;
    std::string *ruleName;
    struct soap *soap;
};

class CLASHRULE__cloneClashRuleResponse
{
  public:
    CLASHRULE__clashRule *return_;
    struct soap *soap;
};

class CLASHRULE__removeClashRule
{
  public:
    std::string *ruleId;
    struct soap *soap;
};

class CLASHRULE__removeClashRuleResponse
{
  public:
    struct soap *soap;
};

class CLASHRULE__clashRule4Add
{
  public:
    CLASHRULE__moxFileAttribute *ruleFile;
    std::string *ruleName;
    struct soap *soap;
};

class CLASHRULE__addClashRule
{
  public:
    CLASHRULE__clashRule4Add *clashRule;
    struct soap *soap;
};

class CLASHRULE__addClashRuleResponse
{
  public:
    std::string *return_;
    struct soap *soap;
};

class CLASHRULE__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __CLASHRULE__listClashRules(CLASHRULE__listClashRules *CLASHRULE__listClashRules_, CLASHRULE__listClashRulesResponse &CLASHRULE__listClashRulesResponse_);
int __CLASHRULE__editClashRule(CLASHRULE__editClashRule *CLASHRULE__editClashRule_, CLASHRULE__editClashRuleResponse &CLASHRULE__editClashRuleResponse_);
int __CLASHRULE__cloneClashRule(CLASHRULE__cloneClashRule *CLASHRULE__cloneClashRule_, CLASHRULE__cloneClashRuleResponse &CLASHRULE__cloneClashRuleResponse_);
int __CLASHRULE__renameClashRule(CLASHRULE__renameClashRule *CLASHRULE__renameClashRule_, CLASHRULE__renameClashRuleResponse &CLASHRULE__renameClashRuleResponse_);
int __CLASHRULE__removeClashRule(CLASHRULE__removeClashRule *CLASHRULE__removeClashRule_, CLASHRULE__removeClashRuleResponse &CLASHRULE__removeClashRuleResponse_);
int __CLASHRULE__addClashRule(CLASHRULE__addClashRule *CLASHRULE__addClashRule_, CLASHRULE__addClashRuleResponse &CLASHRULE__addClashRuleResponse_);
