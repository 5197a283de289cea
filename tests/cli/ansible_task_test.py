#!/usr/bin/env python3
"""Runs the README's Ansible task as written, on localhost, with NobrixVUZ-cli-sim on a scenario
in place of NobrixVUZ-cli: a run that updated every printer is changed and not failed, one that
updated some is changed and failed. Usage: ansible_task_test.py NOBRIXVUZ_CLI_SIM README.
Exits 77 (skipped, with the reason) where ansible-playbook is not installed."""
import json
import os
import shutil
import subprocess
import sys
import tempfile

SKIPPED = 77
TASK_NAME = "- name: Update the attached printers' firmware"


def readme_task(readme):
    """The task's lines from the README, without the indentation of the list they stand in."""
    lines = open(readme, encoding="utf-8").read().splitlines()
    start = next(i for i, line in enumerate(lines) if line.strip() == TASK_NAME)
    indent = len(lines[start]) - len(lines[start].lstrip())
    task = []
    for line in lines[start:]:
        if not line.strip():
            break
        task.append(line[indent:])
    return task


def run_task(task, program, scenario, folder):
    """The task's registered result: what ansible-playbook made of the run's rc and JSON. The
    task goes on after a failure only so that a second task can write that result down."""
    command = [line for line in task if "ansible.builtin.command:" in line]
    if len(command) != 1 or " NobrixVUZ-cli " not in command[0]:
        sys.exit("the README's task does not run NobrixVUZ-cli: " + "\n".join(task))
    ours = f" {program} --scenario {scenario} "
    body = [line.replace(" NobrixVUZ-cli ", ours, 1) for line in task] + ["  ignore_errors: true"]
    result = os.path.join(folder, f"{scenario}.json")
    playbook = os.path.join(folder, f"{scenario}.yml")
    with open(playbook, "w", encoding="utf-8") as out:
        out.write("- hosts: localhost\n  connection: local\n  gather_facts: false\n  tasks:\n")
        out.writelines("    " + line + "\n" for line in body)
        out.write("    - ansible.builtin.copy:\n"
                  "        content: \"{{ printer_update | to_json }}\"\n"
                  f"        dest: {result}\n")
    env = dict(os.environ, ANSIBLE_HOME=folder, ANSIBLE_LOCAL_TEMP=folder,
               ANSIBLE_REMOTE_TEMP=folder, ANSIBLE_PYTHON_INTERPRETER="auto_silent",
               ANSIBLE_LOCALHOST_WARNING="false", ANSIBLE_INVENTORY_UNPARSED_WARNING="false",
               ANSIBLE_NOCOLOR="1", NOBRIX_HISTORY=os.path.join(folder, "history.sqlite"))
    env.pop("NOBRIX_LOCK", None)
    done = subprocess.run(["ansible-playbook", "-i", "localhost,", playbook], env=env,
                          capture_output=True, text=True, timeout=150, check=False)
    if done.returncode != 0 or not os.path.exists(result):
        sys.exit(f"ansible-playbook failed:\n{done.stdout}\n{done.stderr}")
    with open(result, encoding="utf-8") as registered:
        return json.load(registered)


def main():
    program, readme = sys.argv[1], sys.argv[2]
    if shutil.which("ansible-playbook") is None:
        print("SKIPPED: ansible-playbook is not installed (Debian package ansible-core)")
        return SKIPPED
    task = readme_task(readme)
    expected = {"default": (0, True, False), "ignores-flash": (1, True, True)}
    problems = []
    with tempfile.TemporaryDirectory() as folder:
        for scenario, (rc, changed, failed) in expected.items():
            result = run_task(task, program, scenario, folder)
            got = (result.get("rc"), result.get("changed", False), result.get("failed", False))
            print(f"{scenario}: rc {got[0]}, changed {got[1]}, failed {got[2]}")
            if got != (rc, changed, failed):
                problems.append(f"{scenario}: expected rc {rc}, changed {changed}, "
                                f"failed {failed}; got {got}: {result.get('msg', '')}")
    for problem in problems:
        print("FAIL: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
