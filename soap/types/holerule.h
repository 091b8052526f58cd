// Hole-rule service: rule sets for hole checks.

//gsoap HOLERULE service name: VXHoleRuleWebServiceSoapBinding
//gsoap HOLERULE service type: VXHoleRuleWebService
//gsoap HOLERULE service namespace: http://hole.ws.ruvu/
//gsoap HOLERULE service location: http://localhost:8080/RUVU/webservice/hole/VXHoleRuleWebService
//gsoap HOLERULE service method-style: document
//gsoap HOLERULE service method-encoding: literal
//gsoap HOLERULE service method-action: editHoleRule ""
//gsoap HOLERULE service method-action: removeHoleRule ""
//gsoap HOLERULE service method-action: cloneHoleRule ""
//gsoap HOLERULE service method-action: listHoleRules ""
//gsoap HOLERULE service method-action: renameHoleRule ""
//gsoap HOLERULE service method-action: addHoleRule ""
//gsoap HOLERULE schema form: unqualified

#import "builtins.h"

class HOLERULE__moxFileAttribute
{
  public:
    std::string *md5;
    xsd__long *size;
    std::string *uuid;
    struct soap *soap;
};

class HOLERULE__holeRuleEdit
{
  public:
    HOLERULE__moxFileAttribute *ruleFile;
    std::string *ruleId;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__holeRule
{
  public:
    xsd__boolean *isDefaultRule;
    HOLERULE__moxFileAttribute *ruleFile;
    std::string *ruleId;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__holeRuleAdd
{
  public:
    HOLERULE__moxFileAttribute *ruleFile;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__editHoleRule
{
  public:
    HOLERULE__holeRuleEdit *holeRule;
    struct soap *soap;
};

class HOLERULE__editHoleRuleResponse
{
  public:
    struct soap *soap;
};

class HOLERULE__removeHoleRule
{
  public:
    std::string *ruleId;
    struct soap *soap;
};

class HOLERULE__removeHoleRuleResponse
{
  public:
    struct soap *soap;
};

class HOLERULE__renameHoleRule
{
  public:
    std::string *ruleId;
    std::string *newName;
    struct soap *soap;
};

class HOLERULE__renameHoleRuleResponse
{
  public:
    struct soap *soap;
};

class HOLERULE__listHoleRules
{
  public:
    struct soap *soap;
};

class HOLERULE__listHoleRulesResponse
{
  public:
    std::vector<HOLERULE__holeRule *> return_;
    struct soap *soap;
};

class HOLERULE__cloneHoleRule
{
  public:
    std::string *beClonedRuleId;
    std::string *ruleName;
    struct soap *soap;
};

class HOLERULE__cloneHoleRuleResponse
{
  public:
    HOLERULE__holeRule *return_;
    struct soap *soap;
};

class HOLERULE__addHoleRule
{
  public:
    HOLERULE__holeRuleAdd *holeRule;
    struct soap *soap;
};

class HOLERULE__addHoleRuleResponse
{
  public:
    std::string *return_;
    struct soap *soap;
};

class HOLERULE__Exception
{
  public:
    std::string *message;
    struct soap *soap;
};

int __HOLERULE__editHoleRule(HOLERULE__editHoleRule *HOLERULE__editHoleRule_, HOLERULE__editHoleRuleResponse &HOLERULE__editHoleRuleResponse_);
int __HOLERULE__removeHoleRule(HOLERULE__removeHoleRule *HOLERULE__removeHoleRule_, HOLERULE__removeHoleRuleResponse &HOLERULE__removeHoleRuleResponse_);
int __HOLERULE__cloneHoleRule(HOLERULE__cloneHoleRule *HOLERULE__cloneHoleRule_, HOLERULE__cloneHoleRuleResponse &HOLERULE__cloneHoleRuleResponse_);
int __HOLERULE__listHoleRules(HOLERULE__listHoleRules *HOLERULE__listHoleRules_, HOLERULE__listHoleRulesResponse &HOLERULE__listHoleRulesResponse_);
int __HOLERULE__renameHoleRule(HOLERULE__renameHoleRule *HOLERULE__renameHoleRule_, HOLERULE__renameHoleRuleResponse &HOLERULE__renameHoleRuleResponse_);
int __HOLERULE__addHoleRule(HOLERULE__addHoleRule *HOLERULE__addHoleRule_, HOLERULE__addHoleRuleResponse &HOLERULE__addHoleRuleResponse_);
